// Feeds arbitrary datagrams to the reply and trap decoders, then encodes what
// they made of them. Anyone can send such a datagram to the trap port, so no
// input may read outside the datagram, hang or unpair a value from its OID.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "application/core/IdSNMP.h"

namespace {

void CheckPairedAndEncodable(TSNMPInfo& info) {
  if (info.Oids.Count() != info.Values.Count()) std::abort();
  info.EncodeMessage();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static TIdSNMP snmp;
  const std::string datagram(reinterpret_cast<const char*>(data), size);

  TSNMPInfo& reply = snmp.Reply();
  reply.Clear();
  reply.DecodeMessage(datagram);
  CheckPairedAndEncodable(reply);

  TSNMPInfo& trap = snmp.Trap();
  trap.Clear();
  trap.SetBuffer(datagram);
  trap.DecodeTrap();
  CheckPairedAndEncodable(trap);
  return 0;
}
