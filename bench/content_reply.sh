#!/usr/bin/env bash
# Storing a large latest-item reply as the content file (read in 1024-byte pieces, every line
# feed written as CR LF) against curl -o storing the same reply, from the same service.
source "$(dirname "$0")/bench_lib.sh"
MB=${MB:-50}

# One reply of about MB MiB: a long package name on its own line.
start_service "$(printf '*\t42\t08BN\t%s' "$(head -c $((MB * 1048576)) /dev/zero | tr '\0' 'a')")"
url="http://$KESTAVO_UPDATE_HOST/KestavoWebServiceProc.asmx/GetContents?platformID=BC&PartNumber=AAAA"
curl -s -o /dev/null "$url"
# From the answer's first byte to its last, as for the program (its file appears once the status is in).
curl_s=$(curl -s -o "$WORK/curl.xml" -w '%{time_starttransfer} %{time_total}\n' "$url" | awk '{ print $2 - $1 }')
reply=$(stat -c %s "$WORK/curl.xml")
lines=$(wc -l <"$WORK/curl.xml")
expected=$((reply + lines))  # every LF of the reply is stored as CR LF

start_app 0409
file="$WORK/app/KestavoContent.xml"
until [ -f "$file" ]; do sleep 0.005; done
t0=$(now_ms)
while [ "$(stat -c %s "$file" 2>/dev/null || echo 0)" -lt "$expected" ]; do sleep 0.005; done
t1=$(now_ms)
sleep 1
final=$(stat -c %s "$file")
stop_app

awk -v mb="$MB" -v k_ms=$((t1 - t0)) -v c_s="$curl_s" -v reply="$reply" -v final="$final" 'BEGIN {
  printf "reply %d bytes (%d MiB of package name), from its first byte to its last: kestavo stored it in %d ms (%.0f MiB/s), curl -o %.0f ms (%.0f MiB/s), ratio kestavo/curl %.2f\n", reply, mb, k_ms, (reply / 1048576) / (k_ms / 1000), c_s * 1000, (reply / 1048576) / c_s, (c_s * 1000) / k_ms
  printf "content file %d bytes (the reply with each LF stored as CR LF)\n", final
}'
echo "machine: $(machine)"
