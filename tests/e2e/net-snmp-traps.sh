#!/bin/sh
# Runs the trap test program under Wine and, once it listens on port 162,
# sends it an SNMPv1, an SNMPv2c, an SNMPv2c coldStart and an SNMPv1 warmStart
# trap with net-snmp's snmptrap.
# Usage: net-snmp-traps.sh <test-exec> <NetSnmpTrapTest.exe>
set -eu
handshake=$(mktemp -d)
trap 'rm -rf "$handshake"' EXIT
NEPL_TRAP_HANDSHAKE=$handshake "$1" "$2" &
program=$!
for _ in $(seq 200); do
  [ -f "$handshake/listening" ] && break
  kill -0 "$program" 2>/dev/null || break
  sleep 0.1
done
tested=1.3.6.1.4.1.6215.1.2.1.1.1.1.1.5
export MIBS=
snmptrap -v 1 -c public 127.0.0.1:162 1.3.6.1.4.1.6215.1.4.1 127.0.0.1 6 14 100 \
  $tested i 7 1.3.6.1.4.1.6215.1.2.1.1.2 i 5 1.3.6.1.4.1.6215.1.2.1.1.3 i 2 1.3.6.1.4.1.6215.1.2.1.1.4 i 2
snmptrap -v 2c -c public 127.0.0.1:162 '' 1.3.6.1.4.1.6215.1.4.1.3.11 \
  $tested i 7 1.3.6.1.4.1.6215.1.2.1.1.2 i 6 1.3.6.1.4.1.6215.1.2.1.1.3 i 1 1.3.6.1.4.1.6215.1.2.1.1.4 i 0
snmptrap -v 2c -c public 127.0.0.1:162 '' 1.3.6.1.6.3.1.1.5.1 $tested i 3 1.3.6.1.4.1.6215.1.2.1.1.2 i 8
snmptrap -v 1 -c public 127.0.0.1:162 1.3.6.1.4.1.6215.1.4.1 127.0.0.1 1 0 100 \
  $tested i 4 1.3.6.1.4.1.6215.1.2.1.1.2 i 9
wait "$program"
