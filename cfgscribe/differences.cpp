#include "cfgscribe/differences.h"

#include <algorithm>
#include <string>
#include <vector>

#include "cfgscribe/encodings.h"
#include "cfgscribe/model/decoders.h"
#include "cfgscribe/record_walk.h"
#include "common/exit_status.h"
#include "common/printable_text.h"

namespace cfgscribe {

namespace {

namespace hdr = orva::hdr;

// A record of a file with the context it was read in.
struct WalkedRecord {
  Record record;
  WalkContext ctx;
  unsigned ordinal = 0;  // how many records of its type come before it
};

// Every record of a file, and the damage the walk found in it.
struct WalkedFile {
  std::vector<WalkedRecord> records;
  std::vector<std::vector<std::uint32_t>> byType{256};  // indexes into records
  ControllerDefinition controller;
  unsigned problems = 0;
  std::string problemLines;

  // The n-th record of `type`, or nullptr.
  const WalkedRecord* nthOfType(unsigned type, unsigned n) const {
    const std::vector<std::uint32_t>& of = byType[type & 0xFF];
    return n < of.size() ? &records[of[n]] : nullptr;
  }
};

WalkedFile walk(const DiffInput& in) {
  WalkedFile f;
  orva::Sink notes(f.problemLines);
  DamageLog log(notes, true);
  forEachRecord(
      in.file->image(), log, [](std::size_t, unsigned) {},
      [&](const Record& r, const WalkContext& ctx) {
        std::vector<std::uint32_t>& of = f.byType[r.type() & 0xFF];
        f.records.push_back({r, ctx, static_cast<unsigned>(of.size())});
        of.push_back(static_cast<std::uint32_t>(f.records.size() - 1));
        f.controller = ctx.controller;
      });
  notes.flush();
  f.problems = log.problems();
  return f;
}

class Collector final : public SettingVisitor {
 public:
  explicit Collector(std::vector<Setting>& into) : into_(into) {}
  void setting(const Setting& s) override { into_.push_back(s); }

 private:
  std::vector<Setting>& into_;
};

void collect(const WalkedRecord* r, std::vector<Setting>& into) {
  into.clear();
  if (r == nullptr) return;
  Collector c(into);
  visitRecordSettings(r->record, r->ctx, c);
}

// What a setting's writer prints, as a text.
std::string written(void (*write)(Sink&, const Setting&), const Setting& s) {
  std::string text;
  {
    Sink sink(text);
    if (write != nullptr) write(sink, s);
  }
  return text;
}

// The command lines of a setting, as one text.
std::string commandText(const Setting& s) {
  std::string text;
  {
    Sink sink(text);
    Setting line = s;
    const unsigned lines = s.kind->lines != nullptr ? s.kind->lines(s) : 1;
    for (line.line = 0; line.line < lines; ++line.line) {
      s.kind->command(sink, line);
      sink.put('\n');
    }
  }
  return text;
}

// A list (a macro, a long name, a setpoint) is the same when its stored
// bytes are: its commands as written may read differently only because
// other records changed (a macro's password prefixes). Other settings are
// the same with equal values as stored and as shown, and the same command:
// a command may carry other fields of its entry too (a CTCSS mode and its
// reverse burst), and a change of those must be sent as well.
bool sameValue(const Setting& a, const Setting& b) {
  if (a.value != b.value) return false;
  if (a.kind->lines != nullptr) {
    return a.bytes.size() == b.bytes.size() && std::equal(a.bytes.data(), a.bytes.data() + a.bytes.size(), b.bytes.data());
  }
  if (written(a.kind->text, a) != written(b.kind->text, b)) return false;
  return a.kind->command == nullptr || b.kind->command == nullptr || commandText(a) == commandText(b);
}

// A record's settings looked up by key: a record of every port pair can
// hold tens of thousands, so pairing them one by one would be quadratic.
class SettingIndex {
 public:
  void build(const std::vector<Setting>& settings) {
    settings_ = &settings;
    order_.resize(settings.size());
    for (std::uint32_t i = 0; i < order_.size(); ++i) order_[i] = i;
    // By key, and among equal keys (damaged files) in the decoding order.
    std::sort(order_.begin(), order_.end(), [&](std::uint32_t a, std::uint32_t b) {
      const auto byKey = settings[a].key <=> settings[b].key;
      return byKey != 0 ? byKey < 0 : a < b;
    });
  }

  const Setting* find(const SettingKey& key) const {
    const auto at = std::lower_bound(order_.begin(), order_.end(), key,
                                     [&](std::uint32_t i, const SettingKey& k) { return (*settings_)[i].key < k; });
    return at != order_.end() && (*settings_)[*at].key == key ? &(*settings_)[*at] : nullptr;
  }

 private:
  const std::vector<Setting>* settings_ = nullptr;
  std::vector<std::uint32_t> order_;
};

// The controller values that give settings their keys.
bool sameController(const ControllerDefinition& a, const ControllerDefinition& b) {
  return a.receivers() == b.receivers() && a.transmitters() == b.transmitters() &&
         a.passwordDigits() == b.passwordDigits() && a.macroNameDigits() == b.macroNameDigits() &&
         a.macroAttrSize() == b.macroAttrSize();
}

void describeFile(Sink& out, const char* role, const DiffInput& in) {
  const orva::HeaderBytes& h = in.file->header();
  out.printf(";   %s: %.*s\n", role, static_cast<int>(in.path.size()), in.path.data());
  out.printf(";     Configuration File Name      : %s\n", orva::headerText(h, hdr::kName, hdr::kNameShown).c_str());
  if (h[hdr::kVersion] != 0xFF) {
    out.printf(";     Configuration File Version   : %s\n",
               orva::headerText(h, hdr::kVersion, hdr::kVersionShown).c_str());
  }
  out.put(";     Configuration File Datetime  : ");
  if (h[hdr::kDateText] != 0xFF) {
    out.printf("%s\n", orva::headerText(h, hdr::kDateText, hdr::kDateTextShown).c_str());
  } else {
    printBcdDateTime(out, ByteView(h.data() + hdr::kDateBcd, 7));
    out.put('\n');
  }
}

// The script's sections: one per NEW record (and per OLD record that NEW
// lacks) with a change, headed when its first line is written.
// What a setting was in OLD, for its comment: its text, or "not set".
std::string wasText(const Setting* before) {
  return before != nullptr ? written(before->kind->text, *before) : "not set";
}

class DiffWriter {
 public:
  DiffWriter(Sink& out, Out& o) : out_(out), o_(o) {}

  void record(const WalkedRecord* was, const WalkedRecord* now) {
    collect(was, old_);
    collect(now, new_);
    oldIndex_.build(old_);
    newIndex_.build(new_);
    heading_ = now != nullptr ? &now->record : &was->record;
    headed_ = false;
    for (const Setting& s : new_) {
      if (s.kind->command == nullptr) continue;  // named in the header block
      const Setting* before = oldIndex_.find(s.key);
      if (before != nullptr && sameValue(*before, s)) continue;
      // An entry NEW does not use: what OLD had there is removed.
      if (s.kind->templateAtDefault && s.atDefault()) {
        if (before != nullptr && !before->atDefault()) {
          head();
          remove(*before);
        }
        continue;
      }
      if (isMasterPassword(s)) {
        masterPassword_ = s;
        masterPasswordWas_ = wasText(before);
        hasMasterPassword_ = true;
        continue;
      }
      head();
      write(s, before);
    }
    for (const Setting& s : old_) {
      if (s.kind->command == nullptr || newIndex_.find(s.key) != nullptr) continue;
      if (s.kind->templateAtDefault && s.atDefault()) continue;
      head();
      remove(s);
    }
    // A record whose family writes no settings: its bytes may still differ.
    if (old_.empty() && new_.empty() && was != nullptr && now != nullptr &&
        !std::equal(was->record.data(), was->record.data() + was->record.size(), now->record.data(),
                    now->record.data() + now->record.size())) {
      head();
      out_.put(";  Differs in what no command of this script sets: compare the reports\n");
    }
  }

  // The master password last, so every command before still uses the old one.
  // Written with the new password's digits: every command of this script
  // opens with the password in effect, "MPW", which from here on is the new.
  void finish() {
    if (!hasMasterPassword_) return;
    out_.put("\n; The master password changes here, with the last command: every command above uses the old one\n");
    const Setting& s = masterPassword_;
    int width = out_.put("MPW 93 ");
    width += printDigitString(out_, s.bytes, s.bytes.size()).chars;
    o_.toComment(width + out_.put(" *"));
    s.kind->comment(out_, s);
    out_.printf(" (was %s)\n", masterPasswordWas_.c_str());
  }

 private:
  static bool isMasterPassword(const Setting& s) {
    return s.key.type == kPasswords && s.key.entry == 0;
  }

  void head() {
    if (headed_) return;
    headed_ = true;
    if (const char* name = recordTypeName(heading_->type())) {
      out_.printf("\n; %s\n", name);
    } else {
      out_.printf("\n; cfgRec_Unrecognized %u\n", heading_->type());
    }
  }

  // NEW's command for the setting, never commented out, its comment as
  // the all-values script gives it, then what it was (`before`, OLD's
  // setting, or none). A list OLD had is erased first, to be made again.
  void write(const Setting& s, const Setting* before) {
    const std::string was = wasText(before);
    const unsigned lines = s.kind->lines != nullptr ? s.kind->lines(s) : 1;
    if (s.kind->remove != nullptr && s.kind->lines != nullptr && before != nullptr) {
      o_.toComment(s.kind->remove(out_, s));
      out_.printf("Erase %s, to be made again\n", written(s.kind->name, s).c_str());
    }
    Setting line = s;
    for (line.line = 0; line.line < lines; ++line.line) {
      o_.toComment(s.kind->command(out_, line));
      s.kind->comment(out_, line);
      if (line.line + 1 == lines) out_.printf(" (was %s)", was.c_str());
      out_.put('\n');
    }
  }

  // An entry NEW no longer has: its removal command, its cold-start value,
  // or a line saying it is cleared by hand.
  void remove(const Setting& s) {
    const std::string name = written(s.kind->name, s);
    const std::string was = written(s.kind->text, s);
    if (s.kind->remove != nullptr) {
      o_.toComment(s.kind->remove(out_, s));
      out_.printf("Remove %s (was %s)\n", name.c_str(), was.c_str());
    } else if (s.hasColdStart && s.kind->lines == nullptr) {
      Setting cold = s;
      cold.value = s.coldStart;
      write(cold, &s);
    } else {
      out_.printf(";  %s (%s) is not in the new configuration: clear it by hand\n", name.c_str(), was.c_str());
    }
  }

  Sink& out_;
  Out& o_;
  std::vector<Setting> old_, new_;
  SettingIndex oldIndex_, newIndex_;
  const Record* heading_ = nullptr;
  bool headed_ = false;
  Setting masterPassword_;
  std::string masterPasswordWas_;
  bool hasMasterPassword_ = false;
};

// The entries (a field's key without its field) some command sets: such a
// command sets every field of its entry (a tone generator's level with its
// mode), so those fields need no line of their own.
SettingKey entryOf(SettingKey key) {
  key.field = 0;
  return key;
}

void entriesWithCommands(const std::vector<Setting>& settings, std::vector<SettingKey>& into) {
  into.clear();
  for (const Setting& s : settings) {
    if (s.kind->command != nullptr) into.push_back(entryOf(s.key));
  }
  std::sort(into.begin(), into.end());
}

// Settings no command sets (identity, versions, serial ports, jumpers)
// that differ, as comment lines of the header block.
void noteUnsettable(Sink& out, const WalkedFile& was, const WalkedFile& now) {
  std::vector<Setting> oldSettings, newSettings;
  SettingIndex oldIndex;
  std::vector<SettingKey> commanded;
  for (const WalkedRecord& r : now.records) {
    collect(was.nthOfType(r.record.type(), r.ordinal), oldSettings);
    collect(&r, newSettings);
    oldIndex.build(oldSettings);
    entriesWithCommands(newSettings, commanded);
    for (const Setting& s : newSettings) {
      if (s.kind->command != nullptr || std::binary_search(commanded.begin(), commanded.end(), entryOf(s.key))) continue;
      const Setting* before = oldIndex.find(s.key);
      if (before != nullptr && sameValue(*before, s)) continue;
      out.printf(";   Differs: %s: %s (was %s)\n", written(s.kind->name, s).c_str(), written(s.kind->text, s).c_str(),
                 wasText(before).c_str());
    }
  }
}

}  // namespace

int writeDifferences(Sink& out, const DiffInput& oldIn, const DiffInput& newIn, std::string_view generatedAt) {
  const WalkedFile was = walk(oldIn);
  const WalkedFile now = walk(newIn);
  out.put("; ORVA Programming Script of the Differences Between:\n");
  out.printf(";   Script Generated Date-Time       : %.*s\n", static_cast<int>(generatedAt.size()),
             generatedAt.data());
  describeFile(out, "Old (in the controller now)", oldIn);
  describeFile(out, "New (wanted)", newIn);
  if (!sameController(was.controller, now.controller)) {
    out.printf(";\n; Cannot compare these files setting by setting: their controllers differ "
               "(receivers %u and %u, transmitters %u and %u, password digits %u and %u, "
               "macro name digits %u and %u, macro attribute size %u and %u)\n",
               was.controller.receivers(), now.controller.receivers(), was.controller.transmitters(),
               now.controller.transmitters(), was.controller.passwordDigits(), now.controller.passwordDigits(),
               was.controller.macroNameDigits(), now.controller.macroNameDigits(), was.controller.macroAttrSize(),
               now.controller.macroAttrSize());
    return orva::kExitFailure;
  }
  const bool oldDamaged = oldIn.headerProblems + was.problems > 0;
  const bool newDamaged = newIn.headerProblems + now.problems > 0;
  if (oldDamaged) out.put(";   Warning: the old file is damaged; check every command before sending it\n");
  if (newDamaged) out.put(";   Warning: the new file is damaged; check every command before sending it\n");
  noteUnsettable(out, was, now);
  out.put('\n');

  Out o{out, false, true, true};
  DiffWriter writer(out, o);
  for (const WalkedRecord& r : now.records) writer.record(was.nthOfType(r.record.type(), r.ordinal), &r);
  // Records of a type OLD holds more of than NEW.
  for (const WalkedRecord& r : was.records) {
    if (now.nthOfType(r.record.type(), r.ordinal) == nullptr) writer.record(&r, nullptr);
  }
  writer.finish();
  out.put("\n; End of Script\n\n");
  return oldDamaged || newDamaged ? orva::kExitDamaged : orva::kExitSuccess;
}

}  // namespace cfgscribe
