#include "app/settings/settings_record.h"

#include <string>

#include "app/settings/settings_ranges.h"
#include "app/settings/text_field.h"

namespace vx {
namespace {

// The one statement of the layout, walked by the writer and by the reader so
// that both always agree on it.
template <typename Visitor, typename Record>
void VisitFields(Visitor& visitor, Record& record) {
  visitor.Int32(record.TopMargin);
  visitor.Int32(record.LeftMargin);
  visitor.Int32(record.FontSize);
  visitor.Int32(record.LineHeight);
  visitor.Int32(record.HexCellWidth);
  visitor.Int32(record.BytesPerLine);
  visitor.Int32(record.LinesPerPage);
  visitor.Int32(record.AddressWidth);
  visitor.Int32(record.DumpTextGap);
  visitor.Int32(record.TextCellWidth);
  visitor.Flag(record.AutoBackUp);
  visitor.Text(record.BackUpSuffix, kBackUpSuffixLength);
  visitor.Text(record.FontName, kFontNameLength);
  visitor.Int32(record.InputRadix);
  visitor.Flag(record.HideInputAfterEntry);
  visitor.Flag(record.MoveAfterEntry);
  visitor.Flag(record.AutoCompleteAtMax);
  for (auto& colour : record.ForeColors) visitor.Colour(colour);
  for (auto& colour : record.BackColors) visitor.Colour(colour);
  visitor.Colour(record.SeparatorColor);
}

class RecordWriter {
 public:
  explicit RecordWriter(SettingsRecordBytes& bytes) : bytes_(bytes) {}

  void Int32(int32_t value) { Unsigned(static_cast<uint32_t>(value), 4); }
  void Colour(uint32_t value) { Unsigned(value, 4); }
  void Flag(bool value) { Unsigned(value ? 0xFFFFu : 0u, 2); }
  void Text(const std::wstring& text, size_t width) {
    for (char byte : FitShiftJis(text, width)) bytes_[at_++] = static_cast<uint8_t>(byte);
  }

 private:
  void Unsigned(uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes_[at_++] = static_cast<uint8_t>(value >> (8 * i));
  }

  SettingsRecordBytes& bytes_;
  size_t at_ = 0;
};

class RecordReader {
 public:
  explicit RecordReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  void Int32(int32_t& value) { value = static_cast<int32_t>(Unsigned(4)); }
  void Colour(uint32_t& value) { value = Unsigned(4); }
  // Any non-zero flag is true, not only -1.
  void Flag(bool& value) { value = Unsigned(2) != 0; }
  void Text(std::wstring& text, size_t width) {
    const std::string_view field(reinterpret_cast<const char*>(bytes_.data() + at_), width);
    at_ += width;
    text = PadField(DecodeTextField(field), width);
  }

 private:
  uint32_t Unsigned(int size) {
    uint32_t value = 0;
    for (int i = 0; i < size; ++i) value |= uint32_t{bytes_[at_++]} << (8 * i);
    return value;
  }

  std::span<const uint8_t> bytes_;
  size_t at_ = 0;
};

}  // namespace

SettingsRecordBytes EncodeSettings(const DisplaySettingsRecord& settings) {
  SettingsRecordBytes bytes{};
  RecordWriter writer(bytes);
  VisitFields(writer, settings);
  return bytes;
}

std::optional<DisplaySettingsRecord> DecodeSettings(std::span<const uint8_t> bytes) {
  if (bytes.size() < kSettingsRecordSize) return std::nullopt;
  DisplaySettingsRecord settings;
  RecordReader reader(bytes.first(kSettingsRecordSize));
  VisitFields(reader, settings);
  BringIntoRanges(settings);
  return settings;
}

}  // namespace vx
