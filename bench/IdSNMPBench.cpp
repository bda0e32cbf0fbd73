// Encodes and decodes the two messages the program exchanges most, the
// GetRequest for the port-state block and its 87-octet GetResponse, with our
// codec and with net-snmp's library, and prints how many times faster ours is.
// scripts/bench builds it optimised, without sanitizers, and runs it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "application/core/IdSNMP.h"
#include "bench/NetSnmpCodec.h"

namespace {

const std::string kPortStateOid = "1.3.6.1.4.1.6215.1.4.1.1.1.1.4.5";
const std::string kPortStateBlock(87, '\x5A');

struct TMessage {
  int32_t PDUType;
  std::string Value;
};
const TMessage kGetRequest = {PDU_GET, ""};
const TMessage kGetResponse = {PDU_GET_RESPONSE, kPortStateBlock};

// ---------------------------------------------------------------- ours

std::string OurEncoding(TIdSNMP& snmp, const TMessage& message) {
  TSNMPInfo& info = snmp.Query();
  info.Clear();
  info.PDUType = message.PDUType;
  info.AddVarBind(kPortStateOid, message.Value, ASN1_OCTET_STRING);
  return info.EncodeMessage();
}

void OurEncode(benchmark::State& state, const TMessage& message) {
  TIdSNMP snmp;
  for (auto _ : state) benchmark::DoNotOptimize(OurEncoding(snmp, message));
}

void OurDecode(benchmark::State& state, const TMessage& message) {
  TIdSNMP snmp;
  const std::string octets = OurEncoding(snmp, message);
  TSNMPInfo& reply = snmp.Reply();
  for (auto _ : state) {
    reply.Clear();
    reply.DecodeMessage(octets);
    benchmark::DoNotOptimize(reply.Values.Count());
  }
}

// ---------------------------------------------------------------- net-snmp

void NetSnmpEncode(benchmark::State& state, const TMessage& message) {
  TNetSnmpCodec netSnmp;
  for (auto _ : state) benchmark::DoNotOptimize(netSnmp.Encode(message.PDUType, message.Value));
}

void NetSnmpDecode(benchmark::State& state, const TMessage& message) {
  TNetSnmpCodec netSnmp;
  std::string octets = netSnmp.Encode(message.PDUType, message.Value);
  for (auto _ : state) netSnmp.Decode(octets);
}

// ---------------------------------------------------------------- report

// Keeps the time per iteration of every run for the ratio table.
class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) Nanoseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
  }
  std::map<std::string, double> Nanoseconds;
};

using TBenchmarkFunction = void (*)(benchmark::State&, const TMessage&);

struct TBenchOperation {
  const char* Name;
  const TMessage& Message;
  TBenchmarkFunction Ours;
  TBenchmarkFunction Theirs;
};

const std::vector<TBenchOperation> kOperations = {
    {"EncodeGetRequest", kGetRequest, OurEncode, NetSnmpEncode},
    {"DecodeGetRequest", kGetRequest, OurDecode, NetSnmpDecode},
    {"EncodeGetResponse87", kGetResponse, OurEncode, NetSnmpEncode},
    {"DecodeGetResponse87", kGetResponse, OurDecode, NetSnmpDecode},
};

// Both sides must produce the same octets, or the comparison means nothing.
void CheckSameEncodings() {
  TIdSNMP snmp;
  TNetSnmpCodec netSnmp;
  for (const TMessage* message : {&kGetRequest, &kGetResponse}) {
    if (OurEncoding(snmp, *message) != netSnmp.Encode(message->PDUType, message->Value)) {
      std::fprintf(stderr, "the two encodings of PDU %d differ\n", message->PDUType);
      std::exit(1);
    }
  }
}

void PrintRatios(const TRatioReporter& reporter) {
  std::printf("\n%-22s %12s %12s %8s\n", "per message", "ours ns", "net-snmp ns", "ratio");
  double oursTotal = 0;
  double theirsTotal = 0;
  for (const TBenchOperation& operation : kOperations) {
    const auto ours = reporter.Nanoseconds.find(std::string("Ours/") + operation.Name);
    const auto theirs = reporter.Nanoseconds.find(std::string("NetSnmp/") + operation.Name);
    if (ours == reporter.Nanoseconds.end() || theirs == reporter.Nanoseconds.end()) continue;
    oursTotal += ours->second;
    theirsTotal += theirs->second;
    std::printf("%-22s %12.1f %12.1f %7.2fx\n", operation.Name, ours->second, theirs->second,
                theirs->second / ours->second);
  }
  std::printf("%-22s %12.1f %12.1f %7.2fx\n", "together", oursTotal, theirsTotal, theirsTotal / oursTotal);
}

}  // namespace

int main(int argc, char** argv) {
  CheckSameEncodings();
  for (const TBenchOperation& operation : kOperations) {
    benchmark::RegisterBenchmark((std::string("Ours/") + operation.Name).c_str(), operation.Ours, operation.Message);
    benchmark::RegisterBenchmark((std::string("NetSnmp/") + operation.Name).c_str(), operation.Theirs,
                                 operation.Message);
  }
  benchmark::Initialize(&argc, argv);
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  PrintRatios(reporter);
  return 0;
}
