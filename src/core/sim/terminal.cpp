#include "core/sim/terminal.h"

#include <string>

#include "core/sim/mainmemory.h"
#include "core/sim/processordisplay.h"
#include "core/sim/processorstate.h"

namespace tav2 {

namespace {

constexpr uint8_t kBackspace = 8;
constexpr uint8_t kTab = 9;
constexpr uint8_t kReturn = 13;
constexpr uint16_t kEndOfBuffer = 0xFFFF;

enum Service : uint16_t {
  kWriteChar = 1,
  kReadChar,
  kWriteString,
  kReadString,
  kWriteNumber,
  kReadNumber,
  kSetCursor,
  kClearScreen
};

uint16_t SignExtended(int key) { return static_cast<uint16_t>(static_cast<int8_t>(key & 0xFF)); }

// Leading white space, one sign, then decimal digits; no digits give 0.
// The value is kept modulo 65536.
uint16_t DecimalValue(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  uint32_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = (value * 10 + static_cast<uint32_t>(text[i] - '0')) & 0xFFFF;
  }
  return static_cast<uint16_t>(negative ? 0x10000 - value : value);
}

}  // namespace

void Terminal::Service(ProcessorState& state, MainMemory& memory, ProcessorDisplay& display) {
  const bool wasRunning = state.running;
  state.running = true;
  if (!device_.IsOpen()) device_.Open();
  grid_.inputAbort = false;
  state[Reg::SR] |= sr::kI;
  const uint16_t service = state[Reg::T1];
  if (service == kReadChar || service == kReadString || service == kReadNumber) {
    display.ShowRegisters();
  }
  switch (service) {
    case kWriteChar: Put(static_cast<uint8_t>(state[Reg::R1])); break;
    case kReadChar: {
      const int key = WaitKey();
      if (!state.abort) state[Reg::R1] = SignExtended(key);
      break;
    }
    case kWriteString: WriteString(memory, state[Reg::R2]); break;
    case kReadString: ReadString(memory, display, state[Reg::R2]); break;
    case kWriteNumber: WriteText(std::to_string(static_cast<int16_t>(state[Reg::R1]))); break;
    case kReadNumber: {
      const uint16_t value = ReadNumber();
      if (!state.abort) state[Reg::R1] = value;
      break;
    }
    case kSetCursor: GotoCell(state[Reg::R1], state[Reg::R2]); break;
    case kClearScreen: Clear(); break;
    default: break;
  }
  state[Reg::SR] &= sr::kClearI;
  state.running = wasRunning;
}

void Terminal::Put(uint8_t ch) {
  if (ch == kReturn && !grid_.crEcho) return;
  device_.CharacterPut(ch, grid_.waiting);
  PutOnGrid(ch);
}

void Terminal::PutOnGrid(uint8_t ch) {
  if (ch == kReturn && !grid_.crEcho) return;
  EraseCursor();
  if (ch == kBackspace) {
    if (grid_.column > 0) {
      --grid_.column;
      grid_.Store(grid_.column, grid_.row, ' ');
      device_.DrawCell(grid_.column, grid_.row, ' ');
    }
  } else if (ch == kReturn) {
    NewLine();
  } else {
    bool drawn = false;  // the character needs no cell of its own
    if (grid_.column >= grid_.chars) {
      NewLine();
      drawn = ch == kTab;
    }
    if (!drawn && ch == kTab) {
      if (grid_.chars - grid_.column <= 7) {
        PutOnGrid(kReturn);
        drawn = true;
      } else {
        while (grid_.column % 8 != 7) PutOnGrid(' ');
        ch = ' ';
      }
    }
    if (!drawn) {
      device_.DrawCell(grid_.column, grid_.row, ch);
      grid_.Store(grid_.column, grid_.row, ch);
      ++grid_.column;
    }
  }
  DrawCursor();
}

// Column 0 of the next line; on the last line the grid scrolls instead.
void Terminal::NewLine() {
  grid_.column = 0;
  if (grid_.row == grid_.lines - 1) {
    grid_.ScrollUp();
    device_.Redraw();
  } else {
    ++grid_.row;
  }
}

void Terminal::WriteText(std::string_view text) {
  for (char ch : text) {
    if (ch == '\0') break;
    Put(static_cast<uint8_t>(ch));
  }
}

void Terminal::WriteString(const MainMemory& memory, uint16_t address) {
  for (int i = 0; i < kMaxStringOutput; ++i) {
    const auto ch = static_cast<uint8_t>(memory.Read(static_cast<uint16_t>(address + i)));
    if (ch == 0) break;
    Put(ch);
  }
}

int Terminal::WaitKey() {
  grid_.lastKey = 0;
  return device_.WaitKey();
}

// Reads keys into memory from `address` on until the line ends, the word at
// the next address is the end marker 0xFFFF, or the input is aborted; the
// last stored word becomes the terminating 0. A backspace never leaves the
// buffer.
void Terminal::ReadString(MainMemory& memory, ProcessorDisplay& display, uint16_t address) {
  uint16_t next = address;
  for (;;) {
    grid_.crEcho = false;
    grid_.waiting = true;
    const int key = WaitKey();
    Put(static_cast<uint8_t>(key));
    if (key == kBackspace) {
      if (next != address) --next;
    } else {
      WriteMemoryWord(memory, display, next++, SignExtended(key));
    }
    const bool lineEnded = next != address && memory.Read(static_cast<uint16_t>(next - 1)) == kReturn;
    if (memory.Read(next) == kEndOfBuffer || lineEnded || grid_.inputAbort) break;
  }
  // The terminator replaces the carriage return (or the last key); it never
  // goes before the buffer.
  WriteMemoryWord(memory, display, next != address ? static_cast<uint16_t>(next - 1) : address, 0);
  grid_.waiting = false;
  grid_.crEcho = true;
}

uint16_t Terminal::ReadNumber() {
  std::string line;
  grid_.crEcho = false;
  grid_.waiting = true;
  do {
    const int key = WaitKey();
    Put(static_cast<uint8_t>(key));
    if (key != kBackspace) {
      line += static_cast<char>(key);
    } else if (!line.empty()) {
      line.pop_back();
    }
  } while (line.size() < kMaxNumberInput && (line.empty() || line.back() != kReturn) && !grid_.inputAbort);
  if (!line.empty()) line.pop_back();
  grid_.crEcho = true;
  grid_.waiting = false;
  return DecimalValue(line);
}

void Terminal::GotoCell(int column, int row) {
  if (column < 1 || column > grid_.chars || row < 1 || row > grid_.lines) return;
  EraseCursor();
  grid_.column = column - 1;
  grid_.row = row - 1;
  DrawCursor();
}

void Terminal::Clear() {
  if (grid_.layoutFromSize) {
    LayoutFromWindow();
  } else if (grid_.sizeFromLayout) {
    SizeWindowFromLayout();
  }
  grid_.Fill();
  grid_.column = 0;
  grid_.row = 0;
  device_.Redraw();
  device_.SetCaption(grid_.Caption());
}

void Terminal::LayoutFromWindow() {
  grid_.LayoutFromSize(device_.Width(), device_.Height());
  device_.SetCaption(grid_.Caption());
}

void Terminal::SizeWindowFromLayout() {
  const ScreenGrid::Size size = grid_.SizeFromLayout();
  device_.Resize(size.width, size.height);
  device_.SetCaption(grid_.Caption());
}

void Terminal::WindowResized() {
  if (grid_.layoutFromSize) {
    LayoutFromWindow();
    device_.Redraw();
  } else if (grid_.sizeFromLayout) {
    SizeWindowFromLayout();
  }
}

void Terminal::DrawCursor() {
  grid_.cursorVisible = true;
  device_.DrawCursor(grid_.column, grid_.row, true);
}

void Terminal::EraseCursor() {
  grid_.cursorVisible = false;
  device_.DrawCursor(grid_.column, grid_.row, false);
}

}  // namespace tav2
