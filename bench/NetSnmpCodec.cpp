#include "bench/NetSnmpCodec.h"

// clang-format off
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
// clang-format on

#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

const oid kPortStateOidArcs[] = {1, 3, 6, 1, 4, 1, 6215, 1, 4, 1, 1, 1, 1, 4, 5};
constexpr size_t kInitialBufferSize = 2048;
constexpr std::string_view kCommunity = "kolmer";

}  // namespace

struct TNetSnmpCodec::TState {
  netsnmp_session Session{};
  u_char* Buffer = static_cast<u_char*>(std::malloc(kInitialBufferSize));
  size_t BufferSize = kInitialBufferSize;
  ~TState() { std::free(Buffer); }
};

TNetSnmpCodec::TNetSnmpCodec() : FState(std::make_unique<TState>()) {
  snmp_sess_init(&FState->Session);
  FState->Session.version = SNMP_VERSION_1;
  FState->Session.community = reinterpret_cast<u_char*>(const_cast<char*>(kCommunity.data()));
  FState->Session.community_len = kCommunity.size();
}

TNetSnmpCodec::~TNetSnmpCodec() = default;

// The library builds backwards: the message lies at the end of the buffer.
std::string TNetSnmpCodec::Encode(int32_t pduType, const std::string& value) {
  netsnmp_pdu* pdu = snmp_pdu_create(pduType);
  pdu->version = SNMP_VERSION_1;
  pdu->reqid = 0;
  // The library takes the session's community for requests only.
  pdu->community = static_cast<u_char*>(std::malloc(kCommunity.size()));
  std::memcpy(pdu->community, kCommunity.data(), kCommunity.size());
  pdu->community_len = kCommunity.size();
  snmp_pdu_add_variable(pdu, kPortStateOidArcs, OID_LENGTH(kPortStateOidArcs), ASN_OCTET_STR, value.data(),
                        value.size());
  size_t length = 0;
  if (snmp_build(&FState->Buffer, &FState->BufferSize, &length, &FState->Session, pdu) != 0) std::abort();
  snmp_free_pdu(pdu);
  return std::string(reinterpret_cast<char*>(FState->Buffer + FState->BufferSize - length), length);
}

void TNetSnmpCodec::Decode(std::string& octets) {
  auto* pdu = static_cast<netsnmp_pdu*>(std::calloc(1, sizeof(netsnmp_pdu)));
  if (snmp_parse(nullptr, &FState->Session, pdu, reinterpret_cast<u_char*>(octets.data()), octets.size()) != 0) {
    std::abort();
  }
  if (pdu->variables == nullptr) std::abort();
  snmp_free_pdu(pdu);
}
