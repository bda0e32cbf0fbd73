#pragma once
// The two records that cross between the communication form and its callers.
#include <cstdint>
#include <string>
#include <variant>

// ASN.1 types a set item may carry.
constexpr int32_t ASN1_INTEGER = 2;
constexpr int32_t ASN1_OCTET_STRING = 4;
constexpr int32_t ASN1_IPADDRESS = 64;

// An integer, or a text whose characters are the octets of an OCTET STRING.
using TSetOidValue = std::variant<int32_t, std::string>;

// One item of a set request: the full dotted identifier (NE address and index
// included), its value and the ASN.1 type it travels as.
struct TSetOid {
  std::string OID;
  TSetOidValue Value;
  int32_t ValueType = ASN1_INTEGER;
};

// One decoded trap as the communication form hands it to the main window.
// A decoder writes only the fields of its own case; the others keep the values
// of the previous trap.
struct TPDU {
  std::string SenderIP;
  int32_t Value0 = 0;
  int32_t NEAddr = 0;
  int32_t Port = 0;
  std::string TrapOid;
  int32_t TrapIndex = 0;
  std::string VarOid;
  int32_t Value = 0;
  int32_t State = 0;
};
