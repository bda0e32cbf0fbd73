#pragma once
// net-snmp's library behind a narrow interface: its headers define names that
// clash with ours, so only NetSnmpCodec.cpp includes them.
#include <cstdint>
#include <memory>
#include <string>

class TNetSnmpCodec {
 public:
  TNetSnmpCodec();
  ~TNetSnmpCodec();

  // An SNMPv1 message, community "kolmer", request id 0, with one binding of
  // the port-state OID and an OCTET STRING value.
  std::string Encode(int32_t pduType, const std::string& value);
  // Parses the message into a PDU and frees it; aborts when it does not parse.
  void Decode(std::string& octets);

 private:
  struct TState;
  std::unique_ptr<TState> FState;
};
