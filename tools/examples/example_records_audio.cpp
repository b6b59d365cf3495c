// Timing, message, audio-path, decoder and tone records of the complete
// example: a three-port controller whose owner has tuned every port, with
// some settings left at their cold-start values so that the -s and -a
// scripts differ.
#include <initializer_list>

#include "examples/example_configs.h"

namespace generators {

namespace {

// 16-bit big-endian values one after another.
Bytes values16(std::initializer_list<unsigned> values) {
  Bytes b;
  for (unsigned v : values) {
    const Bytes one = be16(v);
    b.insert(b.end(), one.begin(), one.end());
  }
  return b;
}

// One stored message: its slot number, then its contents.
Bytes message(std::uint8_t slot, const Bytes& contents) { return cat({{slot}, contents}); }

constexpr std::uint8_t kWords16 = 0x20;  // port-grouped, 16-bit elements
constexpr std::uint8_t kDigits = 0x40;   // port-grouped, Digit String elements
constexpr std::uint8_t kEnd = 0xFF;

Bytes timers10Record() {
  // Logic output momentary times; outputs 3, 5, 8 and CTCSS output 3 tuned.
  const Bytes misc = values16({50, 50, 100, 50, 25, 50, 50, 200, 50, 50, 75});
  // Courtesy, dropout, PTT unkey, turn-on delay, DTMF interdigit, mute hang
  // first/other, disconnect, anti-falsing, kerchunk delay, pulse min/gap,
  // COR filter, CTCSS filter, inter-page, CTCSS time, reverse burst, audio
  // gate, flutter filter, cover tone interval.
  const Bytes port1 = values16({150, 300, 10, 25, 400, 50, 50, 500, 4, 100, 25, 200, 5, 10, 100, 150, 20, 3, 8, 300});
  const Bytes port2 = values16({50, 250, 10, 25, 500, 60, 40, 500, 0, 150, 25, 200, 0, 0, 100, 100, 15, 0, 0, 0});
  const Bytes port3 = values16({200, 300, 20, 50, 500, 50, 50, 1000, 0, 100, 30, 250, 12, 6, 80, 100, 15, 0, 10, 0});
  return portGrouped(cfgscribe::kTimers10, kWords16, 2, 11, 20, cat({misc, port1, port2, port3}));
}

Bytes timers100Record() {
  // Path timeout penalties RX1..RX3 into the port, DTMF long tone timer.
  const Bytes port1 = values16({600, 50, 300, 30});
  const Bytes port2 = values16({50, 1200, 50, 20});
  const Bytes port3 = values16({100, 100, 50, 30});
  return portGrouped(cfgscribe::kTimers100, kWords16, 2, 0, 4, cat({port1, port2, port3}));
}

Bytes timers1000Record() {
  // Path timeouts, path end-of-activity, ID interval and pending, timed key,
  // anti-kerchunk re-arm, TX end-of-activity, dropout message time.
  const Bytes port1 = values16({180, 240, 120, 60, 30, 60, 600, 30, 0, 60, 5, 0});
  const Bytes port2 = values16({300, 180, 180, 60, 60, 90, 180, 30, 0, 60, 60, 1});
  const Bytes port3 = values16({180, 180, 90, 60, 60, 60, 900, 60, 1, 30, 60, 0});
  return portGrouped(cfgscribe::kTimers1000, kWords16, 2, 0, 12, cat({port1, port2, port3}));
}

Bytes countersRecord() {
  // TX end-of-activity counter, then the three path end-of-activity counters.
  const Bytes port1 = values16({5, 0, 3, 0});
  const Bytes port2 = values16({0, 10, 0, 0});
  const Bytes port3 = values16({2, 0, 0, 250});
  return portGrouped(cfgscribe::kCounters, kWords16, 2, 0, 4, cat({port1, port2, port3}));
}

Bytes messagesRecord() {
  // Contents of at most 8 bytes; one user message fills all 8 (no end mark).
  const Bytes misc = cat({message(0, {0x12, 0x34, kEnd}), message(1, {0x98, 0x05, kEnd}),
                          message(15, {0x97, 0x41, 0x42, 0x98, 0x05, kEnd}),
                          message(16, {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08}),
                          message(20, {0x99, 0x93, 0x20, 0x01, 0x02, kEnd}), {kEnd}});
  const Bytes port1 = cat({message(0, {0x99, 0x10, 0x57, 0x20, 0x30, 0x40, kEnd}),
                           message(9, {0x97, 0x21, 0x22, 0x23, kEnd}), message(10, {0x97, 0x21, 0x22, kEnd}), {kEnd}});
  const Bytes port2 = cat({message(0, {0x98, 0x11, 0x98, 0x12, kEnd}), message(3, {0x50, 0x5E, 0xE5, kEnd}),
                           message(10, {0x97, 0x31, 0x32, kEnd}), {kEnd}});
  const Bytes port3 = cat({message(9, {0x97, 0x41, 0x42, kEnd}), message(12, {0x99, 0x04, 0x70, 0x71, 0x72, kEnd}),
                           {kEnd}});
  return portGrouped(cfgscribe::kMessages, 0x00, 8, 25, 14, cat({misc, port1, port2, port3}));
}

// Access modes of an audio path.
enum AccessMode : std::uint8_t {
  kNoAccess = 0,
  kCarrierOnly = 1,
  kCtcssOnly = 2,
  kCarrierAndCtcss = 3,
  kCarrierOrCtcss = 4,
  kAntiCtcss = 5,
  kAlwaysOn = 6,
};

Bytes pathModeRecord() {
  // Per port: its DTMF decoder path, then the paths from RX1, RX2 and RX3.
  const Bytes port1 = {kCarrierOnly, kCarrierAndCtcss, kNoAccess, kCarrierOrCtcss};
  const Bytes port2 = {kCtcssOnly, kNoAccess, kCarrierOnly, kNoAccess};
  const Bytes port3 = {kAlwaysOn, kAntiCtcss, kNoAccess, kCarrierOnly};
  return portGrouped(cfgscribe::kPathMode, 0x00, 1, 0, 4, cat({port1, port2, port3}));
}

Bytes pathPriorityRecord() {
  // Per port: receivers in priority order, then the receivers mixed in.
  const Bytes port1 = {1, 2, 0, 0, 0, 0, 1, 3, 0, 0, 0, 0};
  const Bytes port2 = {2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  const Bytes port3 = {3, 1, 2, 0, 0, 0, 3, 0, 0, 0, 0, 0};
  return portGrouped(cfgscribe::kPathPriority, 0x00, 6, 0, 2, cat({port1, port2, port3}));
}

Bytes ctcssEncodersRecord() {
  // Tone number, mode, reverse burst: 67.0 Hz following PTT; 100.0 Hz (the
  // default tone) on at PTT; 150.0 Hz with the encoder off.
  return portGrouped(cfgscribe::kCTCSSEncoders, 0x00, 1, 0, 3, {14, 2, 1, 26, 3, 0, 64, 0, 2});
}

Bytes idTailRecord() {
  // Initial and normal ID tail message numbers.
  const Bytes port1 = cat({digits("0015", 2), fill(2, kEnd)});
  const Bytes port2 = cat({fill(2, kEnd), digits("0016", 2)});
  const Bytes port3 = cat({digits("0017", 2), digits("0018", 2)});
  return portGrouped(cfgscribe::kIDTail, kDigits, 2, 0, 2, cat({port1, port2, port3}));
}

// A message handler port group: CW speed code, tone and level, beep duration
// and gap, the five beep and page levels, DTMF duration, gap and level,
// SELCAL and speech levels.
Bytes handlerPort(std::uint8_t speed, unsigned cwTone, std::uint8_t cwLevel, unsigned beep, unsigned gap,
                  Bytes beepAndPageLevels, unsigned dtmf, unsigned dtmfGap, Bytes lastLevels) {
  return cat({{speed}, be16(cwTone), {cwLevel}, be16(beep), be16(gap), beepAndPageLevels, be16(dtmf), be16(dtmfGap),
              lastLevels});
}

Bytes messageHandlersRecord() {
  // Beeps 1, 3 and 5 at their factory frequencies; 2, 4 and 6 retuned.
  const Bytes beeps = values16({48, 108, 148, 228, 248, 338});
  const Bytes port1 = handlerPort(5, 148, 12, 6, 2, {10, 12, 6, 6, 6}, 10, 10, {6, 6, 0});
  const Bytes port2 = handlerPort(6, 248, 3, 8, 3, {12, 14, 8, 6, 6}, 7, 7, {9, 6, 4});
  const Bytes port3 = handlerPort(8, 188, 13, 6, 2, {12, 12, 6, 6, 6}, 10, 10, {6, 8, 1});
  return portGrouped(cfgscribe::kMessageHandlers, 0x00, 1, 12, 20, cat({beeps, port1, port2, port3}));
}

Bytes dtmfDecodersRecord() {
  // Per port: the command digit count, then a setting shown nowhere.
  return portGrouped(cfgscribe::kDTMFDecoders, 0x00, 2, 0, 1, {4, 0, 7, 0, 3, 1});
}

Bytes userTimersRecord() {
  // Four timers, stored column by column: enables, values (tenths of a
  // second), timeout macros, resolutions.
  const Bytes enables = {1, 0, 1, 1};
  const Bytes values = values16({10, 600, 3000, 5});
  const Bytes macros = cat({digits("1234", 3), fill(3, kEnd), digits("0500", 3), digits("0501", 3)});
  const Bytes resolutions = {0, 1, 2, 3};
  return elementArray(cfgscribe::kUserTimers, 0x01, 7, 4, cat({enables, values, macros, resolutions}));
}

Bytes cmdRespRoutingRecord() {
  // Six command sources, three routing bytes each (shown only as bytes).
  const Bytes sources[] = {{0x07, 0x00, 0x01}, {0x01, 0x00, 0x01}, {0x02, 0x00, 0x02},
                           {0x04, 0x00, 0x03}, {0x07, 0x01, 0x00}, {0x00, 0x00, 0x00}};
  return elementArray(cfgscribe::kCmdRespRouting, 0x01, 3, 6,
                      cat({sources[0], sources[1], sources[2], sources[3], sources[4], sources[5]}));
}

Bytes toneGeneratorsRecord() {
  // Owner, mode, level, tone code, two bytes not used: TX1 continuous 760 Hz,
  // TX2 keyed with PTT 1500 Hz, TX3 off (a tone left prepared).
  const Bytes tx1 = cat({{1, 1, 7}, be16(100), {0, 0}});
  const Bytes tx2 = cat({{1, 2, 12}, be16(248), {0, 0}});
  const Bytes tx3 = cat({{0, 0, 1}, be16(220), {0, 0}});
  return portGrouped(cfgscribe::kToneGenerators, 0x00, 7, 0, 1, cat({tx1, tx2, tx3}));
}

}  // namespace

Bytes exampleTimingAndAudioRecords() {
  return cat({timers10Record(), timers100Record(), timers1000Record(), countersRecord(), messagesRecord(),
              pathModeRecord(), pathPriorityRecord(), ctcssEncodersRecord(), idTailRecord(),
              messageHandlersRecord(), dtmfDecodersRecord(), userTimersRecord(), cmdRespRoutingRecord(),
              toneGeneratorsRecord()});
}

}  // namespace generators
