#include "document/text_form.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "model/names.h"
#include "model/read_error.h"
#include "model/text_encoding.h"
#include "document/byte_source.h"
#include "document/stream_input.h"
#include "document/text_form_lexis.h"

using namespace text_form;

namespace {

std::string Spaces(int count) { return std::string(static_cast<size_t>(count), ' '); }

// Quoted pieces for printable ASCII, #n for every other code point; long text continues with
// " +" on lines indented by continuationIndent.
std::string QuoteString(std::string_view utf8, int continuationIndent) {
  if (utf8.empty()) return "''";
  std::string out;
  bool quoted = false;
  size_t lineChars = 0;
  size_t pos = 0;
  while (pos < utf8.size()) {
    if (lineChars >= kStringLineWidth) {
      if (quoted) out += '\'';
      quoted = false;
      out += " +\n" + Spaces(continuationIndent);
      lineChars = 0;
    }
    char32_t cp = NextCodePoint(utf8, pos);
    std::string piece;
    if (cp >= 0x20 && cp < 0x7F) {
      if (!quoted) piece += '\'';
      quoted = true;
      piece += cp == '\'' ? "''" : std::string(1, static_cast<char>(cp));
    } else {
      if (quoted) piece += '\'';
      quoted = false;
      piece += '#' + std::to_string(static_cast<uint32_t>(cp));
    }
    out += piece;
    lineChars += piece.size();
  }
  if (quoted) out += '\'';
  return out;
}

// The shortest text that reads back as the same value; always with a '.' or an exponent, so an
// unsuffixed value reads back as a float.
template <typename T>
std::string FormatFloat(T value, const char* suffix) {
  if (std::isnan(value)) return std::string(std::signbit(value) ? "-NaN" : "+NaN") + suffix;
  if (std::isinf(value)) return std::string(value < 0 ? "-Inf" : "+Inf") + suffix;
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, result.ptr);
  if (text.find_first_of(".e") == std::string::npos) text += ".0";
  return text + suffix;
}

std::string FormatCurrency(int64_t scaled) {
  uint64_t magnitude = scaled < 0 ? 0 - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled);
  std::string fraction = std::to_string(magnitude % 10000);
  fraction.insert(0, 4 - fraction.size(), '0');
  while (fraction.size() > 1 && fraction.back() == '0') fraction.pop_back();
  // Appended piece by piece: GCC 12 at -O3 mistakes prepending the sign to a temporary for an
  // overlapping copy and warns.
  std::string text = scaled < 0 ? "-" : "";
  text += std::to_string(magnitude / 10000);
  text += '.';
  text += fraction;
  text += 'c';
  return text;
}

class TTextPrinter {
 public:
  explicit TTextPrinter(TStreamInput& input) : m_in(input) {}

  std::string Print() {
    m_in.ReadSignature();
    PrintComponent(0, 0);
    return std::move(m_out);
  }

 private:
  void PrintComponent(int indent, int depth);
  void PrintProperties(int indent, int valueDepth);
  void PrintValue(TValueType type, int indent, int depth, bool inList = false);
  void PrintBinary(int indent);
  void PrintCollection(int indent, int depth);
  std::string CheckedName(std::string name, bool dotted, bool allowEmpty) const;

  TStreamInput& m_in;
  std::string m_out;
};

std::string TTextPrinter::CheckedName(std::string name, bool dotted, bool allowEmpty) const {
  if (allowEmpty && name.empty()) return name;
  if (dotted ? IsValidPath(name) : IsValidIdent(name)) return name;
  m_in.Fail("Name cannot be written in text form: " +
            QuoteString(Cp1252ToUtf8({reinterpret_cast<const uint8_t*>(name.data()), name.size()}), 0));
}

void TTextPrinter::PrintComponent(int indent, int depth) {
  int64_t position = 0;
  uint8_t flags = m_in.ReadPrefix(position);
  std::string className = CheckedName(m_in.ReadShortString(), false, false);
  std::string name = CheckedName(m_in.ReadShortString(), false, true);
  m_out += Spaces(indent);
  m_out += (flags & 0x01) ? "inherited " : (flags & 0x04) ? "inline " : "object ";
  if (!name.empty()) m_out += name + ": ";
  m_out += className;
  if (flags & 0x02) m_out += " [" + std::to_string(position) + "]";
  m_out += '\n';
  PrintProperties(indent + 2, 0);
  // The same limit as the reader's, checked at the same point.
  if (depth >= TStreamInput::kMaxComponentDepth) m_in.Fail(kInvalidStreamFormat);
  while (!m_in.EndOfList()) PrintComponent(indent + 2, depth + 1);
  m_in.ReadByte();
  m_out += Spaces(indent) + "end\n";
}

void TTextPrinter::PrintProperties(int indent, int valueDepth) {
  while (!m_in.EndOfList()) {
    m_out += Spaces(indent) + CheckedName(m_in.ReadShortString(), true, false) + " = ";
    PrintValue(m_in.ReadValueType(), indent, valueDepth);
    m_out += '\n';
  }
  m_in.ReadByte();
}

void TTextPrinter::PrintValue(TValueType type, int indent, int depth, bool inList) {
  if (depth > TStreamInput::kMaxValueDepth) m_in.Fail(kInvalidStreamFormat);
  switch (type) {
    case TValueType::vaNull:
    case TValueType::vaFalse:
    case TValueType::vaTrue:
    case TValueType::vaNil: m_out += m_in.ReadIdentPayload(type); return;
    case TValueType::vaIdent: {
      std::string name = CheckedName(m_in.ReadShortString(), true, false);
      // The text would read back as code 0, which ends a list.
      if (inList && SameText(name, "Null")) m_in.Fail("Name cannot be written in text form: Null in a list");
      m_out += name;
      return;
    }
    case TValueType::vaInt8:
    case TValueType::vaInt16:
    case TValueType::vaInt32:
    case TValueType::vaInt64: m_out += std::to_string(m_in.ReadIntegerPayload(type)); return;
    case TValueType::vaExtended: m_out += FormatFloat(m_in.ReadExtendedPayload(), ""); return;
    case TValueType::vaSingle: m_out += FormatFloat(m_in.ReadSinglePayload(), "s"); return;
    case TValueType::vaCurrency: m_out += FormatCurrency(m_in.ReadInt64Payload()); return;
    case TValueType::vaDate: m_out += FormatFloat(m_in.ReadDoublePayload(), "d"); return;
    case TValueType::vaString:
    case TValueType::vaLString:
    case TValueType::vaWString:
    case TValueType::vaUTF8String: m_out += QuoteString(m_in.ReadStringPayload(type), indent + 2); return;
    case TValueType::vaBinary: PrintBinary(indent); return;
    case TValueType::vaSet: {
      m_out += '[';
      std::vector<std::string> names = m_in.ReadSetPayload();
      for (size_t i = 0; i < names.size(); ++i) m_out += (i ? ", " : "") + CheckedName(names[i], false, false);
      m_out += ']';
      return;
    }
    case TValueType::vaList:
      m_out += '(';
      while (!m_in.EndOfList()) {
        m_out += '\n' + Spaces(indent + 2);
        PrintValue(m_in.ReadValueType(), indent + 2, depth + 1, true);
      }
      m_in.ReadByte();
      m_out += ')';
      return;
    case TValueType::vaCollection: PrintCollection(indent, depth); return;
  }
  m_in.Fail(kInvalidPropertyValue);
}

void TTextPrinter::PrintBinary(int indent) {
  uint8_t countBytes[4];
  m_in.ReadExact(countBytes, 4);
  uint32_t count = countBytes[0] | (countBytes[1] << 8) | (countBytes[2] << 16) |
                   (static_cast<uint32_t>(countBytes[3]) << 24);
  const TByteBlock bytes = m_in.ReadBlock(count);
  static constexpr char kHex[] = "0123456789ABCDEF";
  m_out += '{';
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i % kBinaryBytesPerLine == 0) m_out += '\n' + Spaces(indent + 2);
    m_out += kHex[bytes[i] >> 4];
    m_out += kHex[bytes[i] & 0x0F];
  }
  m_out += '}';
}

void TTextPrinter::PrintCollection(int indent, int depth) {
  m_out += '<';
  while (!m_in.EndOfList()) {
    m_out += '\n' + Spaces(indent + 2) + "item";
    TValueType type = m_in.ReadValueType();
    if (type == TValueType::vaInt8 || type == TValueType::vaInt16 || type == TValueType::vaInt32) {
      m_out += " [" + std::to_string(m_in.ReadIntegerPayload(type)) + "]";
      type = m_in.ReadValueType();
    }
    if (type != TValueType::vaList) m_in.Fail(kInvalidPropertyValue);
    m_out += '\n';
    PrintProperties(indent + 4, depth + 1);
    m_out += Spaces(indent + 2) + "end";
  }
  m_in.ReadByte();
  m_out += '>';
}

}  // namespace

std::string ObjectBinaryToText(std::span<const uint8_t> stream) {
  TMemorySource source(stream);
  TStreamInput input(source);
  return TTextPrinter(input).Print();
}

