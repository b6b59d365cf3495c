#include "cfgscribe/modes.h"

#include <string>

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

// Dumps the data of a record of unknown type by its layout kind and returns
// the length to step over.
std::uint32_t unrecognised(const Record& r, Out& o) {
  const char* semi = o.script ? ";" : "";
  o.sink.printf("\n%sUnrecognized Config Record Type %d (0x%x)\n", semi, r.type(), r.type());
  if (o.debug) debugTypeAttributesSize(o, r);
  const unsigned size = r.elementSize();
  switch (r.layoutKind()) {
    case 0:
    case 1:
      return dumpUnknownElements(o.sink, r);
    case 2:
      printHexDump(o.sink, r.sub(5), size, true, 4, 4);
      o.sink.printf("%s  Internal Error: Record Type Not Handled (2). Call ORVA.", semi);
      // Stepped over as an indexed list, as the raw dump does, so that all
      // modes agree on where the next record starts.
      return indexedListLength(r);
    default:
      printHexDump(o.sink, r.sub(5), size, true, 4, 4);
      o.sink.printf("%s  Internal Error: Record Type Not Handled (3). Call ORVA.", semi);
      return 5 + size;
  }
}

}  // namespace

std::uint32_t dumpUnknownElements(Sink& out, const Record& r) {
  if (r.layoutKind() == 0) {
    const std::uint32_t count = r.elementSize() * (r.numMisc() + r.numPort());
    printHexDump(out, r.sub(5), count, true, 4, 4);
    return 5 + count;
  }
  printHexDump(out, r.sub(4), r.elementSize() * r.elementCount(), true, 4, 4);
  return elementArrayLength(r);
}

std::uint32_t unrecognisedRecord(const Record& r, const WalkContext&, Out& o) { return unrecognised(r, o); }

const HandlerTable& reportHandlers() {
  using namespace records;
  static const HandlerTable table{
      {CFGSCRIBE_HANDLERS_BY_TYPE(Report)},
      unrecognisedRecord,
      beforeRecord,
      3};
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

void runMode(Sink& out, const RunSettings& s, const orva::HeaderBytes& header, ByteView image) {
  Out o{out, s.debug, s.allValues, s.mode == Mode::kScript};
  switch (s.mode) {
    case Mode::kReport:
      printHeaderBlock(o, s, header, image.size());
      walkRecords(image, reportHandlers(), o);
      out.put("\nEnd of Report\n\n");
      break;
    case Mode::kScript:
      printHeaderBlock(o, s, header, image.size());
      walkRecords(image, scriptHandlers(), o);
      out.put("; End of Script\n\n");
      break;
    case Mode::kRaw:
      printRawHeader(out, header, image.size());
      walkRecords(image, rawHandlers(), o);
      break;
  }
}

}  // namespace cfgscribe
