#include "document/text_form.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <random>

#include "model/read_error.h"
#include "document/container.h"
#include "document/stream_builder.h"

namespace {

using TValueWriterFn = std::function<void(TStreamOutput&)>;

// A root "Form1: TForm" holding one property P with the value the writer writes.
std::vector<uint8_t> OneValueStream(const TValueWriterFn& write) {
  TStreamBuilder b;
  b.Begin("TForm", "Form1");
  write(b.Prop("P"));
  b.End().End();
  return b.Bytes();
}

std::string OneValueText(const std::string& value) { return "object Form1: TForm\n  P = " + value + "\nend\n"; }

struct TValueCase {
  std::string name;
  TValueWriterFn write;
  std::string text;
  // The stream the text compiles to when it is not the written one (the text form keeps the
  // value, not the code that held it).
  TValueWriterFn canonical;
};

std::vector<TValueCase> ValueCases() {
  const std::string x63(63, 'x');
  const std::vector<uint8_t> bytes33 = [] {
    std::vector<uint8_t> v;
    for (int i = 0; i < 33; ++i) v.push_back(static_cast<uint8_t>(i * 8));
    return v;
  }();
  return {
      {"null", [](TStreamOutput& o) { o.WriteIdent("Null"); }, "Null", {}},
      {"list", [](TStreamOutput& o) { o.WriteListBegin(); o.WriteInteger(1); o.WriteString("a"); o.WriteListEnd(); },
       "(\n    1\n    'a')", {}},
      {"empty list", [](TStreamOutput& o) { o.WriteListBegin(); o.WriteListEnd(); }, "()", {}},
      {"nested list",
       [](TStreamOutput& o) {
         o.WriteListBegin();
         o.WriteListBegin();
         o.WriteBoolean(true);
         o.WriteListEnd();
         o.WriteBinary(std::vector<uint8_t>{0xAB});
         o.WriteListEnd();
       },
       "(\n    (\n      True)\n    {\n      AB})", {}},
      {"int8", [](TStreamOutput& o) { o.WriteInteger(-128); }, "-128", {}},
      {"int16", [](TStreamOutput& o) { o.WriteInteger(-32768); }, "-32768", {}},
      {"int32", [](TStreamOutput& o) { o.WriteInteger(INT32_MIN); }, "-2147483648", {}},
      {"int64", [](TStreamOutput& o) { o.WriteInteger(INT64_MIN); }, "-9223372036854775808", {}},
      {"int64 positive", [](TStreamOutput& o) { o.WriteInteger(5000000000); }, "5000000000", {}},
      {"extended", [](TStreamOutput& o) { o.WriteExtended(1.5); }, "1.5", {}},
      {"extended whole", [](TStreamOutput& o) { o.WriteExtended(100.0); }, "100.0", {}},
      {"extended tenth", [](TStreamOutput& o) { o.WriteExtended(0.1); }, "0.1", {}},
      {"extended negative zero", [](TStreamOutput& o) { o.WriteExtended(-0.0); }, "-0.0", {}},
      {"extended large", [](TStreamOutput& o) { o.WriteExtended(1e300); }, "1e+300", {}},
      {"extended subnormal", [](TStreamOutput& o) { o.WriteExtended(5e-324); }, "5e-324", {}},
      {"extended infinity", [](TStreamOutput& o) { o.WriteExtended(-INFINITY); }, "-Inf", {}},
      {"extended nan", [](TStreamOutput& o) { o.WriteExtended(NAN); }, "+NaN", {}},
      {"single", [](TStreamOutput& o) { o.WriteSingle(1.1f); }, "1.1s", {}},
      {"single whole", [](TStreamOutput& o) { o.WriteSingle(-3.0f); }, "-3.0s", {}},
      {"single infinity", [](TStreamOutput& o) { o.WriteSingle(INFINITY); }, "+Inf" "s", {}},
      {"currency", [](TStreamOutput& o) { o.WriteCurrency(-123456); }, "-12.3456c", {}},
      {"currency whole", [](TStreamOutput& o) { o.WriteCurrency(10000); }, "1.0c", {}},
      {"currency extreme", [](TStreamOutput& o) { o.WriteCurrency(INT64_MIN); }, "-922337203685477.5808c", {}},
      {"date", [](TStreamOutput& o) { o.WriteDate(45000.25); }, "45000.25d", {}},
      {"short string", [](TStreamOutput& o) { o.WriteString("It's"); }, "'It''s'", {}},
      {"empty string", [](TStreamOutput& o) { o.WriteString(""); }, "''", {}},
      {"control characters", [](TStreamOutput& o) { o.WriteString(std::string("a\r\n\0b", 5)); }, "'a'#13#10#0'b'", {}},
      {"long string", [](TStreamOutput& o) { o.WriteString(std::string(200, 'x')); },
       "'" + x63 + "' +\n    '" + x63 + "' +\n    '" + x63 + "' +\n    'xxxxxxxxxxx'", {}},
      {"utf8 string", [](TStreamOutput& o) { o.WriteString("Caf\xC3\xA9 \xF0\x9F\x98\x80"); }, "'Caf'#233' '#128512", {}},
      {"cp1252 string", [](TStreamOutput& o) { o.WriteByteString("\xE2\x82\xAC"); }, "#8364",
       [](TStreamOutput& o) { o.WriteUtf8String("\xE2\x82\xAC"); }},
      {"wide string", [](TStreamOutput& o) { o.WriteWideString("Ab\xC3\xA9"); }, "'Ab'#233",
       [](TStreamOutput& o) { o.WriteUtf8String("Ab\xC3\xA9"); }},
      {"identifier", [](TStreamOutput& o) { o.WriteIdent("clBtnFace"); }, "clBtnFace", {}},
      {"dotted identifier", [](TStreamOutput& o) { o.WriteIdent("Form2.Button1"); }, "Form2.Button1", {}},
      {"false", [](TStreamOutput& o) { o.WriteBoolean(false); }, "False", {}},
      {"true", [](TStreamOutput& o) { o.WriteBoolean(true); }, "True", {}},
      {"nil", [](TStreamOutput& o) { o.WriteNil(); }, "nil", {}},
      {"binary", [](TStreamOutput& o) { o.WriteBinary(std::vector<uint8_t>{0x07, 0x54, 0xFF}); }, "{\n    0754FF}", {}},
      {"binary two lines", [=](TStreamOutput& o) { o.WriteBinary(bytes33); },
       "{\n    0008101820283038404850586068707880889098A0A8B0B8C0C8D0D8E0E8F0F8\n    00}", {}},
      {"empty binary", [](TStreamOutput& o) { o.WriteBinary({}); }, "{}", {}},
      {"set", [](TStreamOutput& o) { o.WriteSet({"fsBold", "fsItalic"}); }, "[fsBold, fsItalic]", {}},
      {"empty set", [](TStreamOutput& o) { o.WriteSet({}); }, "[]", {}},
      {"collection",
       [](TStreamOutput& o) {
         o.WriteValueType(TValueType::vaCollection);
         o.WriteListBegin();
         o.WriteShortString("Name");
         o.WriteString("x");
         o.WriteShortString("Sub");
         o.WriteListBegin();
         o.WriteInteger(1);
         o.WriteListEnd();
         o.WriteListEnd();
         o.WriteInteger(3);
         o.WriteListBegin();
         o.WriteListEnd();
         o.WriteEnd();
       },
       "<\n    item\n      Name = 'x'\n      Sub = (\n        1)\n    end\n    item [3]\n    end>", {}},
      {"empty collection",
       [](TStreamOutput& o) {
         o.WriteValueType(TValueType::vaCollection);
         o.WriteEnd();
       },
       "<>", {}},
  };
}

TEST(TextForm, EveryValueCodeRoundTrips) {
  for (const TValueCase& c : ValueCases()) {
    SCOPED_TRACE(c.name);
    const std::vector<uint8_t> stream = OneValueStream(c.write);
    const std::string text = ObjectBinaryToText(stream);
    EXPECT_EQ(text, OneValueText(c.text));
    const std::vector<uint8_t> compiled = ObjectTextToBinary(text);
    EXPECT_EQ(compiled, c.canonical ? OneValueStream(c.canonical) : stream);
    EXPECT_EQ(ObjectBinaryToText(compiled), text);
  }
}

TEST(TextForm, ExtendedBeyondDoublePrintsTheNearestDouble) {
  struct TCase {
    std::string name;
    uint64_t mantissa;
    uint16_t signAndExponent;
    std::string text;
  };
  const std::vector<TCase> cases = {
      // 2 - 2^-63 needs 64 mantissa bits; the nearest double is 2.
      {"64-bit mantissa", 0xFFFFFFFFFFFFFFFFull, 16383, "2.0"},
      {"exponent beyond double", 0x8000000000000000ull, 16383 + 5000, "+Inf"},
      {"tiny", 0x8000000000000000ull, 1, "0.0"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TStreamBuilder b;
    b.Begin("TForm", "Form1");
    b.Prop("P").WriteValueType(TValueType::vaExtended);
    for (int i = 0; i < 8; ++i) b.Bytes().push_back(static_cast<uint8_t>(c.mantissa >> (8 * i)));
    b.Bytes().push_back(static_cast<uint8_t>(c.signAndExponent));
    b.Bytes().push_back(static_cast<uint8_t>(c.signAndExponent >> 8));
    b.End().End();
    const std::string text = ObjectBinaryToText(b.Bytes());
    EXPECT_EQ(text, OneValueText(c.text));
    EXPECT_EQ(ObjectBinaryToText(ObjectTextToBinary(text)), text);
  }
}

TEST(TextForm, AcceptsOtherSpellingsOfTheSameValue) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"$FF", "255"},
      {"$ffffffffffffffff", "-1"},
      {"+7", "7"},
      {"1e3", "1000.0"},
      {"2.5E-1", "0.25"},
      {"5s", "5.0s"},
      {"5S", "5.0s"},
      {"1c", "1.0c"},
      {"0.05c", "0.05c"},
      {"7d", "7.0d"},
      {"-NaN", "-NaN"},
      {"true", "True"},
      {"NIL", "nil"},
      {"'a' + 'b' +\n 'c'", "'abc'"},
      {"#$41#66'c'", "'ABc'"},
      {"'Caf\xC3\xA9'", "'Caf'#233"},
      {"'tab\there'", "'tab'#9'here'"},
      {"( 1 // a comment\n 2 )", "(\n    1\n    2)"},
      {"[ a ,b ]", "[a, b]"},
      {"{ 0 1 ff\n 07 }", "{\n    01FF07}"},
      {"<item end item[ 2 ]end>", "<\n    item\n    end\n    item [2]\n    end>"},
  };
  for (const auto& [input, printed] : cases) {
    SCOPED_TRACE(input);
    EXPECT_EQ(ObjectBinaryToText(ObjectTextToBinary("object Form1: TForm P = " + input + " end")),
              OneValueText(printed));
  }
}

TEST(TextForm, ComponentTreeWithPrefixes) {
  TStreamBuilder b;
  b.Begin("TfrmDesign", "frmDesign");
  b.Prop("Font.Style").WriteSet({"fsBold"});
  b.Prop("end").WriteInteger(1);  // a property may bear a keyword's name
  b.End();
  b.Begin("TKIVButton", "Button1").End().End();
  b.Begin("TKIVScrollText", "Panel1", 0, 2);
  b.Prop("object").WriteString("x");
  b.End();
  b.Begin("TKIVImage", "").End().End();
  b.End();
  b.Begin("TKIVShape", "Shape1", 0x01).End().End();
  b.Begin("TKIVShape", "Shape2", 0x04, 0).End().End();
  b.End();
  const std::string expected =
      "object frmDesign: TfrmDesign\n"
      "  Font.Style = [fsBold]\n"
      "  end = 1\n"
      "  object Button1: TKIVButton\n"
      "  end\n"
      "  object Panel1: TKIVScrollText [2]\n"
      "    object = 'x'\n"
      "    object TKIVImage\n"
      "    end\n"
      "  end\n"
      "  inherited Shape1: TKIVShape\n"
      "  end\n"
      "  inline Shape2: TKIVShape [0]\n"
      "  end\n"
      "end\n";
  EXPECT_EQ(ObjectBinaryToText(b.Bytes()), expected);
  EXPECT_EQ(ObjectTextToBinary(expected), b.Bytes());
}

TEST(TextForm, ParseErrorsGiveLineAndColumn) {
  struct TCase {
    std::string text;
    int line;
    int column;
    std::string message;
  };
  const std::string deepList = std::string(300, '(') + std::string(300, ')');
  std::string deepObjects;
  for (int i = 0; i < 130; ++i) deepObjects += "object T\n";
  const std::vector<TCase> cases = {
      {"object A: TB\n  Left 5\nend\n", 2, 8, "expected '='"},
      {"object A: TB\n  Left = 5\n", 3, 1, "expected a property, 'object' or 'end'"},
      {"object A: TB\n  S = 'abc\nend\n", 2, 7, "unterminated string"},
      {"object A: TB\n  X = (1 Null)\nend", 2, 10, "Null cannot be a list item"},
      {"object A: TB\n  object C: TD\n  end\n  Y = 2\nend", 4, 3, "properties must come before the child objects"},
      {"object A: TB X = 99999999999999999999 end", 1, 18, "integer out of range"},
      {"object A: TB X = 1.23456c end", 1, 18, "at most 4 decimals"},
      {"object A: TB X = 1e5c end", 1, 18, "no exponent"},
      {"object A: TB X = 1e999 end", 1, 18, "number out of range"},
      {"object A: TB X = 12abc end", 1, 20, "malformed number"},
      {"object A: TB X = {0F0} end", 1, 22, "odd number of hex digits"},
      {"object A: TB X = {0G} end", 1, 20, "expected a hex digit or '}'"},
      {"object A: TB X = {00", 1, 18, "unterminated binary value"},
      {"object A: TB X = #55296 end", 1, 24, "surrogate"},
      {"object A: TB X = #1114112 end", 1, 25, "character code out of range"},
      {"object A: TB X = 'a\x01' end", 1, 20, "control character"},
      {"object A: TB X = '\xC3' end", 1, 18, "not valid UTF-8"},
      {"object A: TB X = [a b] end", 1, 21, "expected ','"},
      {"object A: TB X = 'a' + 1 end", 1, 24, "expected a string after '+'"},
      {"object A: TB X = @ end", 1, 18, "unexpected character '@'"},
      {"object A: TB X = < item [5000000000] end > end", 1, 26, "index out of range"},
      {"object A: TB X = < item X = 1 > end", 1, 31, "expected a property or 'end'"},
      {"object A.B: TC end", 1, 8, "cannot contain '.'"},
      {"object A: TB [1.5] end", 1, 15, "expected an integer index"},
      {"object A: TB end end", 1, 18, "expected the end of the text"},
      {"thing A: TB end", 1, 1, "expected 'object'"},
      {"object A: TB X = " + std::string(256, 'n') + " end", 1, 18, "longer than 255"},
      {"object A: TB X = " + deepList + " end", 1, 275, "values nested too deeply"},
      {deepObjects, 129, 1, "objects nested too deeply"},
      {"", 1, 1, "expected 'object'"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 60));
    try {
      ObjectTextToBinary(c.text);
      ADD_FAILURE() << "no error";
    } catch (const ETextFormError& e) {
      EXPECT_EQ(e.Line(), c.line);
      EXPECT_EQ(e.Column(), c.column);
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
      EXPECT_EQ(std::string(e.what()).rfind("line " + std::to_string(c.line) + ", column ", 0), 0u);
    }
  }
}

// Streams the text form cannot hold fail with the stream error, not with text that would not
// read back.
TEST(TextForm, UnprintableNamesAreReadErrors) {
  const std::vector<std::pair<std::string, TValueWriterFn>> cases = {
      {"identifier with a space", [](TStreamOutput& o) { o.WriteIdent("a b"); }},
      {"set element with a dot", [](TStreamOutput& o) { o.WriteSet({"a.b"}); }},
      {"Null identifier in a list",
       [](TStreamOutput& o) {
         o.WriteListBegin();
         o.WriteValueType(TValueType::vaIdent);
         o.WriteShortString("Null");
         o.WriteListEnd();
       }},
  };
  for (const auto& [name, write] : cases) {
    SCOPED_TRACE(name);
    EXPECT_THROW(ObjectBinaryToText(OneValueStream(write)), EReadError);
  }
  TStreamBuilder b;
  b.Begin("TForm", "1st").End().End();
  EXPECT_THROW(ObjectBinaryToText(b.Bytes()), EReadError);
}

std::string RichText() {
  return "object frmDesign: TfrmDesign\n"
         "  Left = 184\n"
         "  Caption = 'Main menu'#13#10'second line'\n"
         "  Color = clBtnFace\n"
         "  Font.Style = [fsBold, fsItalic]\n"
         "  Ratio = 1.5\n"
         "  Money = 2.5c\n"
         "  When = 36526.5d\n"
         "  Scale = 0.75s\n"
         "  Big = -5000000000\n"
         "  Pages.Strings = (\n"
         "    'Page one'\n"
         "    'Caf'#233)\n"
         "  Picture.Data = {\n"
         "    07544269746D6170}\n"
         "  Items = <\n"
         "    item\n"
         "      Name = 'x'\n"
         "    end\n"
         "    item [2]\n"
         "    end>\n"
         "  OnCreate = FormCreate\n"
         "  Empty = nil\n"
         "  Nothing = Null\n"
         "  object Button1: TKIVButton\n"
         "    Caption = 'Click'\n"
         "  end\n"
         "  object Panel1: TKIVScrollText [2]\n"
         "  end\n"
         "end\n";
}

// Whatever prints must compile back to a stream that prints the same.
void ExpectStableIfPrintable(const std::vector<uint8_t>& stream) {
  std::string text;
  try {
    text = ObjectBinaryToText(stream);
  } catch (const EReadError&) {
    return;
  }
  EXPECT_EQ(ObjectBinaryToText(ObjectTextToBinary(text)), text);
}

TEST(TextForm, HostileBinaryIsAReadError) {
  const std::vector<uint8_t> stream = ObjectTextToBinary(RichText());
  ASSERT_EQ(ObjectBinaryToText(stream), RichText());
  for (size_t length = 0; length < stream.size(); ++length) {
    SCOPED_TRACE(length);
    EXPECT_THROW(ObjectBinaryToText(std::span(stream).first(length)), EReadError);
  }
  std::mt19937 random(12345);
  for (int round = 0; round < 3000; ++round) {
    std::vector<uint8_t> damaged = stream;
    for (int flips = 1 + static_cast<int>(random() % 3); flips > 0; --flips)
      damaged[4 + random() % (damaged.size() - 4)] = static_cast<uint8_t>(random());
    SCOPED_TRACE(round);
    ASSERT_NO_FATAL_FAILURE(ExpectStableIfPrintable(damaged));
  }
  // Huge counts, deep nesting and a bad value code.
  std::vector<uint8_t> huge = OneValueStream([](TStreamOutput& o) { o.WriteBinary({}); });
  huge[huge.size() - 6] = 0xFF;
  EXPECT_THROW(ObjectBinaryToText(huge), EReadError);
  std::vector<uint8_t> deep = OneValueStream([](TStreamOutput& o) {
    for (int i = 0; i < 300; ++i) o.WriteListBegin();
    for (int i = 0; i < 300; ++i) o.WriteListEnd();
  });
  EXPECT_THROW(ObjectBinaryToText(deep), EReadError);
  std::vector<uint8_t> badCode = OneValueStream([](TStreamOutput& o) { o.WriteValueType(static_cast<TValueType>(21)); });
  EXPECT_THROW(ObjectBinaryToText(badCode), EReadError);
  EXPECT_THROW(ObjectBinaryToText(std::vector<uint8_t>{'T', 'P', 'F', '1', 0}), EReadError);
}

TEST(TextForm, GarbageTextIsAParseError) {
  const std::string text = RichText();
  std::mt19937 random(54321);
  const std::string alphabet = "'#$(){}[]<>=:+,.-0123456789eEscdxX \n\t/_abcINaf\x01\xC3\xA9";
  for (int round = 0; round < 3000; ++round) {
    std::string damaged = text;
    for (int edits = 1 + static_cast<int>(random() % 3); edits > 0; --edits) {
      size_t pos = random() % damaged.size();
      char c = alphabet[random() % alphabet.size()];
      switch (random() % 3) {
        case 0: damaged[pos] = c; break;
        case 1: damaged.insert(damaged.begin() + static_cast<std::ptrdiff_t>(pos), c); break;
        default: damaged.erase(pos, 1 + random() % 8); break;
      }
    }
    SCOPED_TRACE(damaged);
    try {
      const std::vector<uint8_t> stream = ObjectTextToBinary(damaged);
      // What compiles is in the writer's own choices, so it survives a trip through the text.
      ASSERT_EQ(ObjectTextToBinary(ObjectBinaryToText(stream)), stream);
    } catch (const ETextFormError&) {
    }
  }
}

TEST(TextForm, FixtureCompiledAtBuildTime) {
  std::ifstream in(TELVO_FIXTURE_DIR "/minimal.kiv", std::ios::binary);
  ASSERT_TRUE(in) << "fixture missing";
  const std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::optional<TStoredStream> stored = ExtractComponentStream(file);
  ASSERT_TRUE(stored);
  EXPECT_TRUE(stored->framing.compress);
  EXPECT_EQ(ObjectBinaryToText(stored->stream),
            "object frmDesign: TfrmDesign\n"
            "  Left = 184\n"
            "  Caption = 'Minimal menu'\n"
            "  Color = clBtnFace\n"
            "  object Button1: TKIVButton\n"
            "    Caption = 'Click'\n"
            "  end\n"
            "end\n");
}

TEST(TextForm, ExtractsTheStreamOfEveryFraming) {
  const std::vector<uint8_t> stream = ObjectTextToBinary(RichText());
  struct TCase {
    std::string name;
    TContainerOptions options;
  };
  const std::vector<TCase> cases = {
      {"compressed", {}},
      {"uncompressed", {.compress = false, .blockMarker = false, .clientSize = std::nullopt}},
      {"block and client size", {.compress = false, .blockMarker = true, .clientSize = TClientSize{640, 0}}},
      {"compressed with client size", {.compress = true, .blockMarker = true, .clientSize = TClientSize{0, 480}}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<uint8_t> container = WriteDocumentContainer(stream, c.options);
    std::optional<TStoredStream> stored = ExtractComponentStream(container);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->stream, stream);
    EXPECT_EQ(stored->framing.compress, c.options.compress);
    EXPECT_EQ(stored->framing.blockMarker, c.options.blockMarker);
    ASSERT_EQ(stored->framing.clientSize.has_value(), c.options.clientSize.has_value());
    if (c.options.clientSize) {
      EXPECT_EQ(stored->framing.clientSize->width, c.options.clientSize->width);
      EXPECT_EQ(stored->framing.clientSize->height, c.options.clientSize->height);
    }
    const std::vector<uint8_t> appended = AppendContainer(std::vector<uint8_t>(100, 0x90), container, kTagNewSaFlag);
    std::optional<uint64_t> offset = FindAppendedContainer(appended);
    ASSERT_TRUE(offset);
    stored = ExtractComponentStream(std::span(appended).subspan(*offset));
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->stream, stream);
    container.erase(container.end() - 9, container.end());
    EXPECT_THROW(ExtractComponentStream(container), EReadError);
  }
  EXPECT_FALSE(ExtractComponentStream(stream));
}

}  // namespace
