#include "cfgscribe/modes.h"

#include <string>

#include "cfgscribe/damage_log.h"
#include "cfgscribe/encodings.h"
#include "cfgscribe/raw_dump.h"
#include "cfgscribe/records/handlers.h"
#include "common/printable_text.h"

namespace cfgscribe {

namespace {

using orva::HeaderBytes;
namespace hdr = orva::hdr;

// The dispatch lines before each record with -d: its offset and type.
void beforeRecord(Out& o, std::size_t offset, unsigned type) {
  if (!o.debug) return;
  const char* prefix = o.script ? "; " : "debug  ";
  o.sink.printf("%soffset 0x%zx:\n", prefix, offset);
  if (const char* name = recordTypeName(type)) {
    o.sink.printf("%s%s (0x%x):\n", prefix, name, type);
  } else {
    o.sink.printf("%scfgRec_Unrecognized %d (0x%x):\n", prefix, type, type);
  }
}

// Header block of the report (prefix "  ", labels "Date-Time") or the script
// (prefix ";   ", the date label "Datetime").
void printHeaderBlock(Out& o, const RunSettings& s, const HeaderBytes& h, std::size_t walkLength) {
  Sink& out = o.sink;
  const char* lead = o.lead();
  out.put(o.script ? "; ORVA Programming Script Generated From:\n" : "Controller Configuration Report\n");
  if (o.debug) {
    o.dbg("Signature     : %s\n", orva::signatureText(h.data()).text);
    o.dbg("Header Version: %d\n", h[hdr::kHeaderVersion]);
  }
  out.printf("%s%s Generated Date-Time       : %.*s\n", lead, o.script ? "Script" : "Report",
             static_cast<int>(s.generatedAt.size()), s.generatedAt.data());
  out.printf("%sConfiguration File Name          : %s\n", lead,
             orva::headerText(h, hdr::kName, hdr::kNameShown).c_str());
  if (h[hdr::kVersion] != 0xFF) {
    out.printf("%sConfiguration File Version       : %s\n", lead,
               orva::headerText(h, hdr::kVersion, hdr::kVersionShown).c_str());
  }
  out.printf("%sConfiguration File %s     : ", lead, o.script ? "Datetime " : "Date-Time");
  if (h[hdr::kDateText] != 0xFF) {
    out.printf("%s\n", orva::headerText(h, hdr::kDateText, hdr::kDateTextShown).c_str());
  } else {
    printBcdDateTime(out, ByteView(h.data() + hdr::kDateBcd, 7));
    out.put('\n');
  }
  out.put('\n');
  if (o.debug) {
    const unsigned itype = orva::headerType(h);
    o.dbg("File Type     : %d, %s\n", itype, orva::imageTypeName(itype));
    o.dbg("File Size     : %zu (0x%04zx) bytes\n", walkLength, walkLength);
  }
}

// Dumps the data of a record of unknown type by its layout kind. In a
// script every dumped row is a comment, so no row of digits can be keyed in.
void unrecognised(const Record& r, Out& o) {
  const char* semi = o.script ? ";" : "";
  o.sink.printf("\n%sUnrecognized Config Record Type %d (0x%x)\n", semi, r.type(), r.type());
  if (o.debug) debugTypeAttributesSize(o, r);
  const unsigned kind = r.layoutKind();
  if (kind < 2) {
    dumpUnknownElements(o.sink, r, o.script);
    return;
  }
  printHexDump(o.sink, r.sub(5), r.elementSize(), true, 4, 4, o.script);
  o.sink.printf("%s  Internal Error: Record Type Not Handled (%u). Call ORVA.", semi, kind);
}

}  // namespace

void dumpUnknownElements(Sink& out, const Record& r, bool commented) {
  if (r.layoutKind() == 0) {
    const std::size_t count = std::size_t{r.elementSize()} * (r.numMisc() + r.numPort());
    printHexDump(out, r.sub(5), count, true, 4, 4, commented);
  } else {
    printHexDump(out, r.sub(4), std::size_t{r.elementSize()} * r.elementCount(), true, 4, 4, commented);
  }
}

void unrecognisedRecord(const Record& r, const WalkContext&, Out& o) { unrecognised(r, o); }

const HandlerTable& reportHandlers() {
  using namespace records;
  static const HandlerTable table{
      {CFGSCRIBE_HANDLERS_BY_TYPE(Report)},
      unrecognisedRecord,
      beforeRecord};
  return table;
}

const HandlerTable& scriptHandlers() {
  using namespace records;
  static const HandlerTable table{
      {CFGSCRIBE_HANDLERS_BY_TYPE(Script)},
      unrecognisedRecord,
      beforeRecord};
  return table;
}

unsigned runMode(Sink& out, const RunSettings& s, const orva::HeaderBytes& header, ByteView image,
                 DamageLog& log) {
  Out o{out, s.debug, s.allValues, s.mode == Mode::kScript};
  switch (s.mode) {
    case Mode::kReport:
      printHeaderBlock(o, s, header, image.size());
      walkRecords(image, reportHandlers(), o, log);
      out.put("\nEnd of Report\n\n");
      break;
    case Mode::kScript:
      printHeaderBlock(o, s, header, image.size());
      walkRecords(image, scriptHandlers(), o, log);
      out.put("; End of Script\n\n");
      break;
    case Mode::kRaw:
      printRawHeader(out, header, image.size());
      walkRecords(image, rawHandlers(), o, log);
      break;
  }
  log.printSummary();
  return log.problems();
}

unsigned runMode(Sink& out, const RunSettings& s, const orva::HeaderBytes& header, ByteView image) {
  DamageLog log(out, s.mode == Mode::kScript);
  return runMode(out, s, header, image, log);
}

}  // namespace cfgscribe
