// The root command-name table: the name of every root command 0 to 99 and
// whether the control operator may be granted it. Written as runs in root
// order, checked at compile time to cover 0..99 exactly once.
#include "cfgscribe/catalogue.h"
#include "cfgscribe/catalogue_build.h"

namespace cfgscribe {

namespace {

constexpr const char* kReserved = "Reserved";

struct RootCommand {
  const char* name = nullptr;
  bool controllable = false;
};

constexpr bool kYes = true;
constexpr bool kNo = false;

constexpr auto kRootCommands = catalogue_build::buildTable<100, RootCommand>({
    {0, 1, {kReserved, kNo}},
    {2, 2, {"Control CTCSS Encoder", kYes}},
    {3, 3, {"Select Frequency of CTCSS Encoder", kYes}},
    {4, 5, {kReserved, kNo}},
    {6, 6, {"Select Frequency of CW and Single-Tone Beeps", kYes}},
    {7, 7, {kReserved, kNo}},
    {8, 8, {"Select Default Tone and Gap Durations", kYes}},
    {9, 9, {"Set Timer Value", kYes}},
    {10, 10, {"Set Default Message Level", kYes}},
    {11, 11, {kReserved, kNo}},
    {12, 12, {"Select CW Speed", kYes}},
    {13, 14, {kReserved, kNo}},
    {15, 15, {"Send Message", kYes}},
    {16, 16, {"Stop Speech Message in Progress", kYes}},
    {17, 19, {kReserved, kNo}},
    {20, 20, {"Create New Macro", kYes}},
    {21, 21, {"Erase Macro", kYes}},
    {22, 22, {"Erase All Macros", kYes}},
    {23, 23, {kReserved, kNo}},
    {24, 24, {"Remove Last Command From Macro", kYes}},
    {25, 25, {"Set Clock and Calendar", kYes}},
    {26, 26, {"Set Event-Triggered Macro", kYes}},
    {27, 27, {"Rename Macro", kYes}},
    {28, 28, {"Set and Control Scheduler Setpoint", kYes}},
    {29, 29, {"Append to Macro", kYes}},
    {30, 30, {kReserved, kNo}},
    {31, 31, {"Select Message", kYes}},
    {32, 32, {kReserved, kNo}},
    {33, 33, {"List Macro in CW", kYes}},
    {34, 34, {"Review Message", kYes}},
    {35, 35, {"List Macro in Speech", kYes}},
    {36, 36, {kReserved, kNo}},
    {37, 37, {"Readback", kNo}},
    {38, 38, {kReserved, kNo}},
    {39, 39, {kReserved, kYes}},  // reserved in name, yet grantable
    {40, 44, {kReserved, kNo}},
    {45, 45, {"Set Counter Value", kYes}},
    {46, 47, {kReserved, kNo}},
    {48, 48, {"Adjust Daylight Saving Time", kYes}},
    {49, 49, {"Set and Control User Timer", kYes}},
    {50, 50, {"Set Identifier Tail Message", kYes}},
    {51, 56, {kReserved, kNo}},
    {57, 57, {"Select Path Access Mode", kYes}},
    {58, 62, {kReserved, kNo}},
    {63, 63, {"Set/Clear Software Switches", kYes}},
    {64, 69, {kReserved, kNo}},
    {70, 70, {"Select Logic Outputs Latched ON", kYes}},
    {71, 71, {"Select Logic Outputs Latched OFF", kYes}},
    {72, 72, {"Select Logic Outputs Momentary ON", kYes}},
    {73, 73, {"Select Logic Outputs Momentary OFF", kYes}},
    {74, 75, {kReserved, kNo}},
    {76, 76, {"If-Then-Else", kYes}},
    {77, 89, {kReserved, kNo}},
    {90, 90, {"Select Path Priority", kYes}},
    {91, 91, {"Select Command Response Message Routing", kYes}},
    {92, 92, {"Assign Control Operator Password", kYes}},
    {93, 93, {"Assign Master Password", kYes}},
    {94, 94, {"Assign Control Operator Privilege Level", kYes}},
    {95, 95, {"Controller Reset", kYes}},
    {96, 97, {kReserved, kNo}},
    {98, 98, {"Pause", kYes}},
    {99, 99, {kReserved, kNo}},
});

}  // namespace

const char* rootCommandName(unsigned root) { return root < 100 ? kRootCommands[root].name : ""; }

bool isControllableRoot(unsigned root) { return root < 100 && kRootCommands[root].controllable; }

}  // namespace cfgscribe
