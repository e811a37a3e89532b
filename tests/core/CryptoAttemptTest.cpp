#include <gtest/gtest.h>

#include <deque>

#include "CryptoWriter.h"
#include "TempDir.h"
#include "crypto/CryptoAttempt.h"
#include "text/Cp1251.h"

using namespace travo;

namespace {

// A key prompt that answers from a script: a text is typed and OK pressed,
// nothing is cancel. It records whether the wrong-key line showed at each ask.
class ScriptedPrompt : public KeyPrompt {
public:
    explicit ScriptedPrompt(std::deque<std::optional<std::string>> answers, std::string field = {})
        : answers_(std::move(answers)), field_(std::move(field)) {}

    void BeginAttempt() override { wrongKey_ = true; }
    void SetWrongKeyShown(bool shown) override { wrongKey_ = shown; }
    bool FieldEmpty() const override { return field_.empty(); }
    std::optional<std::string> Ask() override {
        shownAtAsk.push_back(wrongKey_);
        if (answers_.empty()) return std::nullopt; // a test that asks too often ends here
        auto answer = answers_.front();
        answers_.pop_front();
        if (answer) field_ = *answer;
        return answer;
    }

    std::vector<bool> shownAtAsk;

private:
    std::deque<std::optional<std::string>> answers_;
    std::string field_;
    bool wrongKey_ = false;
};

class RecordedErrors : public CryptoErrorReport {
public:
    void ShowCryptoError(int code) override { codes.push_back(code); }
    std::vector<int> codes;
};

class Attempt : public testing::Test {
protected:
    void SetUp() override {
        test::CryptoFileSpec spec;
        spec.payload = "st-30\r\n";
        spec.keyText = "right";
        path = dir.Write("c.cry", test::MakeCryptoFile(spec));
        foreign = dir.Write("f.cry", "Varnoth-X\r\n");
        badSize =
            dir.Write("b.cry", W("ТРАВО Варнот 18кГц 4") + "\r\n" + std::string(22 + 17, 'x'));
    }

    bool Run(const std::string& file, std::string& key, ScriptedPrompt& prompt) {
        payload.clear();
        return CryptoLoadFromFile(file, key, prompt, errors, payload);
    }

    test::TempDir dir;
    std::string path, foreign, badSize, payload;
    RecordedErrors errors;
};

} // namespace

TEST_F(Attempt, APassedKeyIsTriedOnceWithoutAsking) {
    ScriptedPrompt prompt({});
    std::string key = "right";
    EXPECT_TRUE(Run(path, key, prompt));
    EXPECT_EQ(payload, "st-30\r\n");
    EXPECT_TRUE(prompt.shownAtAsk.empty());
    EXPECT_TRUE(errors.codes.empty());
}

TEST_F(Attempt, NoKeyAsksWithTheWrongKeyLineHidden) {
    ScriptedPrompt prompt({"right"});
    std::string key;
    EXPECT_TRUE(Run(path, key, prompt));
    EXPECT_EQ(prompt.shownAtAsk, std::vector<bool>{false});
    EXPECT_EQ(key, "right");
}

TEST_F(Attempt, AWrongTypedKeyAsksAgainWithTheWrongKeyLine) {
    ScriptedPrompt prompt({"wrong", "right"});
    std::string key;
    EXPECT_TRUE(Run(path, key, prompt));
    EXPECT_EQ(prompt.shownAtAsk, (std::vector<bool>{false, true}));
}

TEST_F(Attempt, AWrongPassedKeyShowsTheLineOnlyWithTextInTheField) {
    ScriptedPrompt emptyField({"right"});
    std::string key = "wrong";
    EXPECT_TRUE(Run(path, key, emptyField));
    EXPECT_EQ(emptyField.shownAtAsk, std::vector<bool>{false});

    ScriptedPrompt keptField({"right"}, "previous");
    key = "previous";
    EXPECT_TRUE(Run(path, key, keptField));
    EXPECT_EQ(keptField.shownAtAsk, std::vector<bool>{true});
}

TEST_F(Attempt, ABlankEntryAsksAgainAndTheKeyComesOutAsTyped) {
    ScriptedPrompt prompt({"", "   ", "  right "});
    std::string key;
    EXPECT_TRUE(Run(path, key, prompt));
    EXPECT_EQ(prompt.shownAtAsk.size(), 3u);
    EXPECT_EQ(key, "  right ");
}

TEST_F(Attempt, CancelFailsWithoutAMessage) {
    ScriptedPrompt prompt({"wrong", std::nullopt});
    std::string key;
    EXPECT_FALSE(Run(path, key, prompt));
    EXPECT_EQ(key, "wrong");
    EXPECT_TRUE(errors.codes.empty());
    EXPECT_EQ(payload, "");
}

TEST_F(Attempt, AForeignOrBadlySizedFileEndsAtOnce) {
    ScriptedPrompt noAsk({});
    std::string key = "right";
    EXPECT_FALSE(Run(foreign, key, noAsk));
    EXPECT_TRUE(noAsk.shownAtAsk.empty());
    EXPECT_FALSE(Run(badSize, key, noAsk));
    EXPECT_EQ(errors.codes, (std::vector<int>{CryptoNotProtected, CryptoBadSize}));

    ScriptedPrompt asksFirst({"any", "never used"});
    key.clear();
    EXPECT_FALSE(Run(foreign, key, asksFirst));
    EXPECT_EQ(asksFirst.shownAtAsk.size(), 1u);
    EXPECT_EQ(errors.codes.size(), 3u);
}

TEST(CryptoMessages, TextsOfTheErrorDialog) {
    const auto sig = CryptoErrorMessage(CryptoNotProtected);
    EXPECT_EQ(sig.message,
              W("Ошибка контрольной сигнатуры файла конфигурации - файл не относится к "
                "устройству") +
                  std::string(41, ' ') + W("\"ТРАВО ВАРНОТ 18кГц 4\""));
    EXPECT_EQ(sig.recommendation, W("Проверьте источник файла"));
    EXPECT_EQ(CryptoErrorMessage(CryptoBadSize).message,
              W("Ошибка размера файла конфигурации - файл не верный "));
}
