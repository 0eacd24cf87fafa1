// The tool's pieces that need no file: byte mapping, JSON text, record JSON.
#include "json_text.h"
#include "latin1.h"
#include "latin1_text.h"
#include "record_json.h"

#include <gtest/gtest.h>

TEST(Latin1Mapping, EveryByteSurvivesTheTripAndOtherTextIsRefused) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const std::string utf8 = latin1ToUtf8(all);
    EXPECT_EQ(utf8.size(), 128u + 2u * 128u);
    EXPECT_EQ(utf8.substr(utf8.size() - 2), "\xC3\xBF"); // 0xFF is U+00FF
    std::string back;
    ASSERT_TRUE(utf8ToLatin1(utf8, back));
    EXPECT_EQ(back, all);

    std::string bytes;
    char32_t bad = 0;
    EXPECT_FALSE(utf8ToLatin1("A\xC4\x80", bytes, &bad)); // U+0100
    EXPECT_EQ(bad, U'\u0100');
    EXPECT_FALSE(utf8ToLatin1("\xE2\x82\xAC", bytes, &bad)); // the euro sign
    EXPECT_EQ(bad, U'\u20AC');
    EXPECT_FALSE(utf8ToLatin1("\xF0\x9F\x98\x80", bytes, &bad));
    EXPECT_EQ(bad, U'\U0001F600');
    // A lone continuation byte, a cut sequence, an overlong form: not UTF-8 at all.
    for (const char* text : {"\x80", "\xC3", "\xC0\x81", "\xE2\x82"}) {
        EXPECT_FALSE(utf8ToLatin1(text, bytes, &bad)) << text;
        EXPECT_EQ(bad, 0u);
    }
}

TEST(JsonText, ControlCharactersAreEscapedAsU00XXAndOtherBytesAreCharacters) {
    Json j = Json::object();
    j["v"] = jsonBytes(std::string("a\tb\nc\x01\x7F\"\\\xE9", 10));
    EXPECT_EQ(jsonText(j), "{\"v\":\"a\\u0009b\\u000Ac\\u0001\\u007F\\\"\\\\\xC3\xA9\"}");
    // Escapes inside keys and the order of fields are kept too.
    Json k = Json::object();
    k["z\r"] = 1;
    k["a"] = Json::array({"x"});
    EXPECT_EQ(jsonText(k), "{\"z\\u000D\":1,\"a\":[\"x\"]}");
    EXPECT_EQ(Json::parse(jsonText(j))["v"], j["v"]);
}

// Shown and kept placeholders: GetCommand and PutCommand; here, what only the length tells.
TEST(RecordJson, OnlyThePlaceholderOfTheKindsLengthKeepsThePassword) {
    AnyRecord record = GlobalRecord{"U", "X", "", "", ""};
    std::string error;
    ASSERT_TRUE(applyJson(Json::parse(R"({"PASSWORD":"**********"})"), record, error));
    EXPECT_EQ(std::get<GlobalRecord>(record).password, "**********");
}

TEST(RecordJson, InputOfTheWrongShapeIsRefusedWithTheFieldNamed) {
    AnyRecord tp = AttachTpRecord{};
    std::string error;
    for (const auto& [json, named] :
         std::vector<std::pair<const char*, const char*>>{{"[]", ""},
                                                          {R"({"TP_NAME":1})", "TP_NAME"},
                                                          {R"({"TP_OP":"1"})", "TP_OP"},
                                                          {R"({"TP_OP":1.5})", "TP_OP"},
                                                          {R"({"TP_OP":4294967296})", "TP_OP"},
                                                          {R"({"PATHS":"x"})", "PATHS"},
                                                          {R"({"PATH":"\u0100"})", "U+0100"}}) {
        EXPECT_FALSE(applyJson(Json::parse(json), tp, error)) << json;
        EXPECT_NE(error.find(named), std::string::npos) << json << ": " << error;
    }
    EXPECT_TRUE(std::get<AttachTpRecord>(tp).path.empty())
        << "a refused input changes nothing it refused";

    LuxProfileRecord lux;
    EXPECT_FALSE(applyJson(Json::parse(R"({"SESSION":[{},{},{},{},{}]})"), lux, error));
    EXPECT_FALSE(applyJson(Json::parse(R"({"SESSION":[{"srv":"A"}]})"), lux, error));
    EXPECT_NE(error.find("SESSION[0].srv"), std::string::npos) << error;
    ASSERT_TRUE(
        applyJson(Json::parse(R"({"SESSION":[{},{"server":"\u00e9","category":3}]})"), lux, error));
    EXPECT_EQ(lux.links[1].serverName, "\xE9");
    EXPECT_EQ(lux.links[1].category, 3);

    AppcRecord appc;
    EXPECT_FALSE(applyJson(Json::parse(R"({"SCOPE":"x"})"), appc, error));
    ASSERT_TRUE(applyJson(Json::parse(R"({"SCOPE":{"name":"S"},"SELECT":1})"), appc, error));
    EXPECT_EQ(appc.scopeName, "S");
    EXPECT_EQ(appc.selection, 1);
}
