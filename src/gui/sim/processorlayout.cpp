#include "gui/sim/processorlayout.h"

namespace tav2 {

namespace {

ProcessorLayout Large() {
  ProcessorLayout l;
  l.windowSize = {357, 424};
  l.panelTop = 228;
  const int w = 50, h = 20;
  l.controls = {
      {"Label12", {4, 0, 80, 13}},
      {"IRlabel", {4, 26, 24, h}},
      {"IREdit", {30, 26, w, h}},
      {"PClabel", {4, 58, 24, h}},
      {"PCEdit", {30, 58, w, h}},
      {"SPlabel", {4, 90, 24, h}},
      {"SPEdit", {30, 90, w, h}},
      {"T1label", {154, 26, 22, h}},
      {"T1Edit", {178, 26, w, h}},
      {"R2label", {154, 58, 22, h}},
      {"R2Edit", {178, 58, w, h}},
      {"R1label", {154, 90, 22, h}},
      {"R1Edit", {178, 90, w, h}},
      {"MARlabel", {270, 12, w, 13}},
      {"MAREdit", {270, 26, w, h}},
      {"MDRlabel", {270, 56, w, 13}},
      {"MDREdit", {270, 70, w, h}},
      {"Alabel", {115, 116, w, 13}},
      {"AEdit", {115, 130, w, h}},
      {"Blabel", {205, 116, w, 13}},
      {"BEdit", {205, 130, w, h}},
      {"CEdit", {160, 195, w, h}},
      {"Clabel", {160, 216, w, 12}},
      {"ALUlabel", {145, 174, 80, 14}},
      {"NZVClabel", {230, 182, 72, 13}},
      {"Nbox", {230, 198, 16, 16}},
      {"Zbox", {246, 198, 16, 16}},
      {"Vbox", {262, 198, 16, 16}},
      {"Cbox", {278, 198, 16, 16}},
      {"Ibox", {4, 150, 16, 16}},
      {"Ilabel", {20, 150, 40, 16}},
      {"Label15", {4, 232, 80, 13}},
      {"Fetchedit", {4, 248, 18, h}},
      {"Decoedit", {24, 248, 18, h}},
      {"Execedit", {44, 248, 18, h}},
      {"SequenceEdit", {70, 248, 140, h}},
      {"mclabel", {4, 274, 62, 13}},
      {"mcedit", {70, 272, 266, h}},
      {"mctextEdit", {4, 296, 332, h}},
      {"Clockknop", {4, 322, 62, 25}},
      {"Instructionknop", {70, 322, 70, 25}},
      {"Goknop", {144, 322, 60, 25}},
      {"Haltknop", {208, 322, 60, 25}},
      {"Resetknop", {272, 322, 62, 25}},
      {"Speedbox", {214, 248, 122, 20}},
      {"Backclockknop", {4, 352, 62, 25}},
      {"Backknop", {70, 352, 70, 25}},
      {"Statuslabel", {146, 350, 192, 30}},
  };
  l.buttonCaptions = {{"Clockknop", "Clock"},
                      {"Instructionknop", "Instruction"},
                      {"Goknop", "Go"},
                      {"Haltknop", "Halt"},
                      {"Resetknop", "Reset"},
                      {"Backclockknop", "\u25C0 Clock"},
                      {"Backknop", "\u25C0 Instr."}};
  return l;
}

// Two columns of 43-pixel register fields, C under the ALU between them,
// the flags in a row to its right, the buttons in one row, the buttons
// that step back beside the status line below them.
ProcessorLayout Small() {
  ProcessorLayout l;
  l.windowSize = {250, 324};
  l.panelTop = 198;
  const int w = 43, h = 18, left = 28, right = 140;
  l.controls = {
      {"T1Edit", {left, 14, w, h}},      {"T1label", {73, 14, 16, h}},
      {"IREdit", {left, 38, w, h}},      {"IRlabel", {73, 38, 16, h}},
      {"PCEdit", {left, 62, w, h}},      {"PClabel", {73, 62, 16, h}},
      {"SPEdit", {left, 86, w, h}},      {"SPlabel", {73, 86, 16, h}},
      {"AEdit", {left, 110, w, h}},      {"Alabel", {73, 110, 16, h}},
      {"MDREdit", {right, 14, w, h}},    {"MDRlabel", {96, 14, 32, h}},
      {"MAREdit", {right, 38, w, h}},    {"MARlabel", {96, 38, 32, h}},
      {"R2Edit", {right, 62, w, h}},     {"R2label", {96, 62, 32, h}},
      {"R1Edit", {right, 86, w, h}},     {"R1label", {96, 86, 32, h}},
      {"BEdit", {right, 110, w, h}},     {"Blabel", {96, 110, 32, h}},
      {"CEdit", {84, 160, w, h}},        {"Clabel", {84, 179, w, 12}},
      {"ALUlabel", {76, 148, 58, 12}},   {"Nbox", {136, 162, 16, 16}},
      {"Zbox", {152, 162, 16, 16}},      {"Vbox", {168, 162, 16, 16}},
      {"Cbox", {184, 162, 16, 16}},      {"NZVClabel", {136, 179, 66, 13}},
      {"Ibox", {4, 180, 16, 16}},        {"Ilabel", {20, 180, 40, 16}},
      {"Fetchedit", {4, 202, 16, h}},    {"Decoedit", {22, 202, 16, h}},
      {"Execedit", {40, 202, 16, h}},    {"SequenceEdit", {60, 202, 178, h}},
      {"mclabel", {4, 226, 58, 13}},     {"mctextEdit", {64, 224, 174, h}},
      {"Clockknop", {4, 248, 32, 25}},   {"Instructionknop", {40, 248, 32, 25}},
      {"Goknop", {76, 248, 32, 25}},     {"Haltknop", {112, 248, 32, 25}},
      {"Resetknop", {148, 248, 32, 25}}, {"Backclockknop", {4, 276, 32, 20}},
      {"Backknop", {40, 276, 32, 20}},   {"Statuslabel", {76, 274, 164, 24}},
  };
  l.buttonCaptions = {{"Clockknop", "Clk"},   {"Instructionknop", "Ins"}, {"Goknop", "Go"},
                      {"Haltknop", "Halt"},   {"Resetknop", "Rst"},       {"Backclockknop", "\u25C0C"},
                      {"Backknop", "\u25C0I"}};
  // The speed is chosen in the Run menu.
  l.hidden = {"Label12", "Label15", "mcedit", "Speedbox"};
  return l;
}

}  // namespace

const ProcessorLayout& ProcessorLayout::For(SizeMode mode) {
  static const ProcessorLayout large = Large();
  static const ProcessorLayout small = Small();
  return mode == SizeMode::Small ? small : large;
}

}  // namespace tav2
