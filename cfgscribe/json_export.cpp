#include "cfgscribe/json_export.h"

#include <string>

#include "cfgscribe/encodings.h"
#include "cfgscribe/model/decoders.h"
#include "cfgscribe/record_walk.h"
#include "common/sink.h"

namespace cfgscribe {

namespace {

namespace hdr = orva::hdr;

// A JSON string: Latin-1 bytes become their characters in UTF-8; quotes,
// backslashes and control bytes (C0, DEL, C1) are escaped, never raw.
void putString(Sink& out, std::string_view bytes) {
  out.put('"');
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b == '"' || b == '\\') {
      out.put('\\');
      out.put(c);
    } else if (b < 0x20 || (b >= 0x7F && b <= 0x9F)) {
      out.printf("\\u%04x", b);
    } else if (b >= 0xA0) {
      out.put(static_cast<char>(0xC0 | b >> 6));
      out.put(static_cast<char>(0x80 | (b & 0x3F)));
    } else {
      out.put(c);
    }
  }
  out.put('"');
}

// Lines of a text as a JSON array, blanks and empty lines dropped at the
// ends of each ("  DAMAGED: ..." becomes "DAMAGED: ...").
void putLines(Sink& out, std::string_view text) {
  out.put('[');
  bool first = true;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.remove_suffix(1);
    if (line.empty()) continue;
    if (!first) out.put(", ");
    first = false;
    putString(out, line);
  }
  out.put(']');
}

// Writes each setting as one object, its texts made by the setting's own
// writers into a scratch text that is reused from setting to setting.
class JsonSettings final : public SettingVisitor {
 public:
  explicit JsonSettings(Sink& out) : out_(out), scratch_(text_) {}

  void setting(const Setting& s) override {
    out_.put(first_ ? "\n      " : ",\n      ");
    first_ = false;
    out_.printf("{\"key\": {\"type\": %u, \"group\": %u, \"entry\": %u, \"field\": %u}, \"field\": ", s.key.type,
                s.key.group, s.key.entry, s.key.field);
    putString(out_, s.kind->field);
    out_.put(", \"name\": ");
    putWritten(s, s.kind->name);
    out_.printf(", \"value\": %u, \"text\": ", s.value);
    putWritten(s, s.kind->text);
    out_.put(", \"unit\": ");
    putString(out_, s.kind->unit);
    if (s.hasColdStart) out_.printf(", \"coldStart\": %u", s.coldStart);
    if (s.kind->command == nullptr) {
      out_.put('}');
      return;
    }
    if (s.kind->lines != nullptr) {
      out_.put(", \"commands\": [");
      Setting line = s;
      for (line.line = 0; line.line < s.kind->lines(s); ++line.line) {
        if (line.line > 0) out_.put(", ");
        putCommand(line);
      }
      out_.put(']');
    } else {
      out_.put(", \"command\": ");
      putCommand(s);
    }
    out_.printf(", \"atDefault\": %s}", s.atDefault() ? "true" : "false");
  }

  void reset() { first_ = true; }
  bool empty() const { return first_; }

 private:
  void putWritten(const Setting& s, void (*write)(Sink&, const Setting&)) {
    text_.clear();
    if (write != nullptr) write(scratch_, s);
    putString(out_, text_);
  }
  // The command as the script prints it, less the blanks before its comment.
  void putCommand(const Setting& s) {
    text_.clear();
    s.kind->command(scratch_, s);
    std::string_view command(text_);
    while (!command.empty() && command.back() == ' ') command.remove_suffix(1);
    putString(out_, command);
  }

  Sink& out_;
  std::string text_;
  Sink scratch_;
  bool first_ = true;
};

void writeRecord(Sink& out, const Record& r, const WalkContext& ctx, JsonSettings& settings) {
  out.printf("{\"type\": %u, \"name\": ", r.type());
  if (const char* name = recordTypeName(r.type())) {
    putString(out, name);
  } else {
    out.printf("\"cfgRec_Unrecognized %u\"", r.type());
  }
  out.printf(", \"offset\": %zu, \"length\": %zu, \"settings\": [", r.offset(), r.size());
  settings.reset();
  visitRecordSettings(r, ctx, settings);
  out.put(settings.empty() ? "]}" : "\n    ]}");
}

void putHeaderText(Sink& out, const char* label, const orva::HeaderBytes& h, std::size_t offset,
                   std::size_t shown) {
  out.printf(",\n    \"%s\": ", label);
  putString(out, orva::headerField(h, offset, shown));
}

void writeHeader(Sink& out, const orva::HeaderBytes& h, std::size_t walkLength) {
  out.put("  \"header\": {\"signature\": ");
  putString(out, std::string_view(reinterpret_cast<const char*>(h.data()), 4));
  out.printf(",\n    \"headerVersion\": %u", h[hdr::kHeaderVersion]);
  putHeaderText(out, "name", h, hdr::kName, hdr::kNameShown);
  putHeaderText(out, "version", h, hdr::kVersion, hdr::kVersionShown);
  putHeaderText(out, "dateText", h, hdr::kDateText, hdr::kDateTextShown);
  // The BCD date-time; null when not set.
  out.put(",\n    \"dateTime\": ");
  if (h[hdr::kDateBcd] == 0xFF) {
    out.put("null");
  } else {
    std::string bcd;
    {
      Sink text(bcd);
      printBcdDateTime(text, ByteView(h.data() + hdr::kDateBcd, 7));
    }
    putString(out, bcd);
  }
  const unsigned itype = orva::headerType(h);
  out.printf(",\n    \"imageType\": %u, \"imageTypeName\": ", itype);
  putString(out, orva::imageTypeName(itype));
  out.printf(",\n    \"size\": %u, \"walked\": %zu},\n", orva::headerSize(h), walkLength);
}

}  // namespace

unsigned writeJson(Sink& out, std::string_view fileName, const orva::HeaderBytes& header, ByteView image,
                   std::string_view problems, unsigned problemCount) {
  out.printf("{\n  \"format\": \"cfgscribe\", \"formatVersion\": %u,\n  \"file\": ", kJsonFormatVersion);
  putString(out, fileName);
  out.put(",\n");
  writeHeader(out, header, image.size());

  // Damage the walk finds is gathered apart and listed after the records.
  std::string walkProblems;
  Sink problemSink(walkProblems);
  DamageLog log(problemSink, false);
  JsonSettings settings(out);
  bool firstRecord = true;
  out.put("  \"records\": [");
  forEachRecord(
      image, log, [](std::size_t, unsigned) {},
      [&](const Record& r, const WalkContext& ctx) {
        out.put(firstRecord ? "\n    " : ",\n    ");
        firstRecord = false;
        writeRecord(out, r, ctx, settings);
      });
  out.put(firstRecord ? "],\n" : "\n  ],\n");
  problemSink.flush();
  const unsigned total = problemCount + log.problems();
  out.printf("  \"damaged\": %s,\n  \"problems\": ", total > 0 ? "true" : "false");
  putLines(out, std::string(problems) + walkProblems);
  out.put("\n}\n");
  return total;
}

}  // namespace cfgscribe
