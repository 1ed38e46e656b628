// The one view that tests and benchmarks have into the main window's own
// state and procedures, which the program keeps private.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/view/main_window_win.h"

namespace vx {

class MainWindowTestView {
 public:
  explicit MainWindowTestView(MainWindow& form) : f_(form) {}

  // State.
  std::wstring& FileName() { return f_.FileName; }
  int32_t& FileSize() { return f_.FileSize; }
  std::vector<uint8_t>& PageBytes() { return f_.PageBytes; }
  int32_t& CaretX() { return f_.CaretX; }
  int32_t& CaretY() { return f_.CaretY; }
  bool& Changed() { return f_.Changed; }
  bool& RejectNextChar() { return f_.RejectNextChar; }
  bool& InputVisible() { return f_.InputVisible; }
  UndoJournal& Journal() { return f_.UndoJournal; }

  // Controls.
  HWND Label(int number) const {
    const HWND labels[]{nullptr,   f_.Label1, f_.Label2, f_.Label3, f_.Label4,
                        f_.Label5, f_.Label6, f_.Label7, nullptr,   f_.Label9};
    return number >= 0 && number < 10 ? labels[number] : nullptr;
  }
  PictureBox& Picture1() { return f_.Picture1; }
  PictureBox& Picture2() { return f_.Picture2; }
  VscrollEx& VscrollEx1() { return f_.VscrollEx1; }
  const ByteInputWindow& InputWindow() const { return f_.byte_input_; }

  // Procedures.
  int32_t ChangeFileName(const std::wstring& Fn) { return f_.ChangeFileName(Fn); }
  void RefreshFiles() { f_.RefreshFiles(); }
  void SettingChange() { f_.SettingChange(); }
  void RePaint() { f_.RePaint(); }
  void Prog(double value, const std::wstring& Captions) { f_.Prog(value, Captions); }
  int32_t GetSeekFromCaret() const { return f_.GetSeekFromCaret(); }
  void CaretChange(int32_t X, int32_t Y, int32_t VscValue) { f_.CaretChange(X, Y, VscValue); }
  void MoveCaretFromSeek(int32_t SeekPosition) { f_.MoveCaretFromSeek(SeekPosition); }
  void Picture1_KeyDown(int KeyCode, int Shift) { f_.Picture1_KeyDown(KeyCode, Shift); }
  void CallPicture1KeyDown(int KeyCode, int Shift) { f_.OnInputFieldKey(KeyCode, Shift); }
  void InsertU(int32_t SeekPos, uint8_t Dat) { f_.InsertU(SeekPos, Dat); }
  void DeleteU(int32_t SeekPos) { f_.DeleteU(SeekPos); }
  void RecordOverwrite(int32_t SeekPoint, uint8_t Dat, uint8_t AfDat) {
    f_.RecordOverwrite(SeekPoint, Dat, AfDat);
  }

 private:
  MainWindow& f_;
};

}  // namespace vx
