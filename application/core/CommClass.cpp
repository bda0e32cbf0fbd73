#include "application/core/CommClass.h"

#include "application/core/CommClassTraps.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Application.h"

TCommClassW* CommClassW = nullptr;

namespace {

const char kConnected[] = "Connected";
const char kDisconnected[] = "Disconnected";
const char kReadFailed[] = "Read failed!";
const char kReadSuccessful[] = "Read successful!";
const char kSetFailed[] = "Set failed!";
const char kSetSuccessful[] = "Set successful!";

constexpr uint16_t kAgentPort = 161;
constexpr uint32_t kSingleShotTimeout = 500;
constexpr uint16_t kSingleShotTrapPort = 165;

std::string ValueText(const TSetOidValue& value) {
  if (const int32_t* number = std::get_if<int32_t>(&value)) return std::to_string(*number);
  return std::get<std::string>(value);
}

void StartRequest(TIdSNMP& client, int32_t version, const std::string& community, const std::string& host) {
  client.SetCommunity(community);
  client.SetHost(host);
  client.Query().Clear();
  client.Reply().Clear();
  client.Query().Version = version;
}

}  // namespace

void RegisterCommClasses() {
  RegisterClasses(
      {TCommClassW::StaticClass(), TIdSNMP::StaticClass(), TIdAntiFreeze::StaticClass(), TIdUDPServer::StaticClass()});
}

TClass TCommClassW::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TCommClassW>("TCommClassW", TForm::StaticClass())
                                          .Field("SNMP", &TCommClassW::SNMP)
                                          .Field("IdAntiFreeze1", &TCommClassW::IdAntiFreeze1)
                                          .Field("IdUDPServerTrap", &TCommClassW::IdUDPServerTrap)
                                          .Method("IdUDPServerTrapUDPRead", &TCommClassW::IdUDPServerTrapUDPRead)
                                          .Build();
  return &metaClass;
}

void TCommClassW::AfterConstruction() {
  TForm::AfterConstruction();
  IdAntiFreeze1->SetOnProcessMessages([] { Application().ProcessMessages(); });
  IdUDPServerTrap->SetOnException([this](const std::exception&) { Application().HandleException(this); });
}

void TCommClassW::SnmpGet(int32_t version, const std::string& community, const std::string& host,
                          const TStringList& oids, TStringList& values, std::string& result) {
  RunGet(*ExchangeClient(), version, community, host, oids, values, result);
}

void TCommClassW::SnmpGetOnce(int32_t version, const std::string& community, const std::string& host,
                              const TStringList& oids, TStringList& values, std::string& result) {
  const auto client = std::make_unique<TIdSNMP>();
  client->SetPort(kAgentPort);
  client->SetReceiveTimeout(kSingleShotTimeout);
  client->SetTrapPort(kSingleShotTrapPort);
  client->SetBroadcastEnabled(SNMP->BroadcastEnabled());
  RunGet(*client, version, community, host, oids, values, result);
}

// Requests carry no identifier a reply could be matched by, so each exchange
// sends from a socket of its own, closed when it ends, as Refresh's does: a
// reply that comes after its request gave up then finds the port closed
// instead of passing for the answer to a later request for the same objects.
std::unique_ptr<TIdSNMP> TCommClassW::ExchangeClient() const {
  auto client = std::make_unique<TIdSNMP>();
  client->SetPort(SNMP->Port());
  client->SetReceiveTimeout(SNMP->ReceiveTimeout());
  client->SetBroadcastEnabled(SNMP->BroadcastEnabled());
  return client;
}

void TCommClassW::RunGet(TIdSNMP& client, int32_t version, const std::string& community, const std::string& host,
                         const TStringList& oids, TStringList& values, std::string& result) {
  result = "0";
  StartRequest(client, version, community, host);
  for (int i = 0; i < oids.Count(); ++i) client.Query().AddVarBind(oids[i], "", ASN1_OCTET_STRING);
  client.Query().PDUType = PDU_GET;
  if (!client.SendRequest()) {
    ShowExchange(kDisconnected, kReadFailed, false);
    return;
  }
  // The client took only an answer with one binding for each object asked.
  const TSNMPInfo& reply = client.Reply();
  for (int i = 0; i < reply.Values.Count(); ++i) values.Add(reply.Values[i]);
  client.Query().Clear();
  ShowExchange(kConnected, kReadSuccessful, true);
  result = "1";
}

void TCommClassW::SnmpSet(int32_t version, const std::string& community, const std::string& host,
                          const std::vector<TSetOid>& items, std::string& result) {
  result = "0";
  const auto client = ExchangeClient();
  StartRequest(*client, version, community, host);
  for (const TSetOid& item : items) client->Query().AddVarBind(item.OID, ValueText(item.Value), item.ValueType);
  client->Query().PDUType = PDU_SET;
  if (!client->SendRequest()) {
    ShowExchange(kDisconnected, kSetFailed, false);
    return;
  }
  client->Query().Clear();
  ShowExchange(kConnected, kSetSuccessful, true);
  result = "1";
}

void TCommClassW::IdUDPServerTrapUDPRead(const std::string& datagram, const TPeer& peer) {
  TSNMPInfo& trap = SNMP->Trap();
  trap.Clear();
  trap.SetBuffer(datagram);
  trap.DecodeTrap();
  std::string result = "0";
  try {
    if (trap.Version == 1) result = DecodeTrapV2(trap, FPDU);
    if (trap.Version == 0) result = DecodeTrapV1(trap, FPDU);
  } catch (const EConvertError&) {
    return;  // A trap whose values are not numbers is not one of ours: drop it.
  } catch (const EListError&) {
    return;  // Too few bindings for its layout: drop it.
  }
  if (result != "1") return;
  FPDU.SenderIP = peer.IP;
  if (auto* monitor = dynamic_cast<TExchangeMonitor*>(Application().MainForm())) monitor->ShowAlarm(FPDU);
}

void TCommClassW::ShowExchange(const std::string& connection, const std::string& outcome, bool connected) {
  if (auto* monitor = dynamic_cast<TExchangeMonitor*>(Application().MainForm()))
    monitor->ShowExchange(connection, outcome, connected);
}
