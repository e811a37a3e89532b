#include <gtest/gtest.h>

#include "CryptoWriter.h"
#include "TempDir.h"
#include "crypto/CryptoFile.h"
#include "crypto/FileCipher.h"
#include "text/Cp1251.h"

using namespace travo;
using test::CryptoFileSpec;
using test::MakeCryptoFile;

namespace {

const std::string kPayload = "Varnoth-X\r\nst-30\r\n";

CryptoResult Decode(const std::string& file, const std::string& keyText) {
    return DecodeCryptoBytes(file, ExpandKeyText(keyText));
}

CryptoFileSpec Spec(std::string payload = kPayload, std::string key = "secret") {
    CryptoFileSpec s;
    s.payload = std::move(payload);
    s.keyText = std::move(key);
    return s;
}

} // namespace

TEST(CryptoFile, ReadsWhatTheEncryptorWrote) {
    for (int filler : {0, 1, 7, 40, 200}) {
        CryptoFileSpec spec = Spec();
        spec.filler = filler;
        const CryptoResult r = Decode(MakeCryptoFile(spec), "secret");
        EXPECT_EQ(r.code, CryptoRead) << filler;
        EXPECT_EQ(r.payload, kPayload) << filler;
    }
}

TEST(CryptoFile, KeysOfEveryShape) {
    for (const std::string& key :
         {std::string("k"), std::string("abc"), std::string("0123456789abcdefghijklmnopqrstuv"),
          W("Ключ Иванова"), std::string("a b")}) {
        const std::string file = MakeCryptoFile(Spec(kPayload, key));
        EXPECT_EQ(Decode(file, key).code, CryptoRead) << key;
        EXPECT_EQ(Decode(file, "  " + key + " \t").code, CryptoRead) << "blanks around " << key;
        EXPECT_EQ(Decode(file, "x" + key).code, CryptoBadChecksum) << key;
    }
}

TEST(CryptoFile, HeaderVariants) {
    struct Case {
        std::string signature, lineBreak;
    };
    const Case cases[] = {
        {W("ТРАВО Варнот 18кГц 4"), "\r\n"},         {W("ТРАВО Варнот 18кГц 4"), "\n"},
        {W("ТРАВО Варнот 18кГц 4"), "\r\n\r\n\n\r"}, {W("траво варнот 18КГЦ 4"), "\r\n"},
        {W("  ТРАВО ВАРНОТ 18кгц 4 \t"), "\n"},
    };
    for (const auto& c : cases) {
        CryptoFileSpec spec = Spec();
        spec.signatureLine = c.signature;
        spec.lineBreak = c.lineBreak;
        const CryptoResult r = Decode(MakeCryptoFile(spec), "secret");
        EXPECT_EQ(r.code, CryptoRead) << Cp1251ToUtf8(c.signature);
        EXPECT_EQ(r.payload, kPayload);
    }
}

TEST(CryptoFile, ResultCodes) {
    const std::string good = MakeCryptoFile(Spec());
    CryptoFileSpec foreign = Spec();
    foreign.signatureLine = W("ТРАВО Варнот 18кГц 5");
    std::string damaged = good;
    damaged[damaged.size() - 9] ^= 0x01;

    struct Case {
        const char* name;
        std::string bytes;
        std::string key;
        int code;
    };
    const std::string header = W("ТРАВО Варнот 18кГц 4") + "\r\nALIAS-0001012345678912";
    const Case cases[] = {
        {"read", good, "secret", CryptoRead},
        {"foreign first line", MakeCryptoFile(foreign), "secret", CryptoNotProtected},
        {"empty file", "", "secret", CryptoNotProtected},
        {"plain configuration", "Varnoth-X\r\nst-30\r\n", "secret", CryptoNotProtected},
        {"body of 17 bytes", header + std::string(17, 'x'), "secret", CryptoBadSize},
        {"body of zero blocks", header, "secret", CryptoBadSize},
        {"cut inside alias", header.substr(0, header.size() - 15), "secret", CryptoBadSize},
        {"signature only", W("ТРАВО Варнот 18кГц 4"), "secret", CryptoBadSize},
        {"blank key", good, "   ", CryptoShortKey},
        {"empty key", good, "", CryptoShortKey},
        {"wrong key", good, "secreT", CryptoBadChecksum},
        {"damaged body", damaged, "secret", CryptoBadChecksum},
    };
    for (const auto& c : cases) {
        const CryptoResult r = Decode(c.bytes, c.key);
        EXPECT_EQ(r.code, c.code) << c.name;
        if (r.code != CryptoRead) {
            EXPECT_EQ(r.payload, "") << c.name;
        }
    }
}

TEST(CryptoFile, APayloadStartBeyondTheTrailerLeavesAnEmptyPayload) {
    CryptoFileSpec spec = Spec("");
    spec.startOverride = 200;
    spec.crcFix = 0xFFFF;
    const CryptoResult accepted = Decode(MakeCryptoFile(spec), "secret");
    EXPECT_EQ(accepted.code, CryptoRead);
    EXPECT_EQ(accepted.payload, "");
    spec.crcFix = 0xFF00;
    EXPECT_EQ(Decode(MakeCryptoFile(spec), "secret").code, CryptoBadChecksum);
}

TEST(CryptoFile, OnlyTheFirst64001BytesCount) {
    // Seven break bytes make a header of 49, so 64001 bytes hold whole blocks.
    CryptoFileSpec spec = Spec(std::string(63949 - 3, 'p'));
    spec.lineBreak = "\r\n\r\n\r\n\n";
    spec.filler = 0;
    const std::string exact = MakeCryptoFile(spec);
    ASSERT_EQ(exact.size(), kCryptoReadLimit);
    EXPECT_EQ(Decode(exact, "secret").code, CryptoRead);
    EXPECT_EQ(Decode(exact + "tail beyond the limit", "secret").code, CryptoRead);
    // One block more: cut at 64001 the body loses its last block and the checksum fails;
    // with another header length the cut falls inside a block and the size fails.
    spec.payload += std::string(8, 'p');
    EXPECT_EQ(Decode(MakeCryptoFile(spec), "secret").code, CryptoBadChecksum);
    spec.lineBreak = "\r\n";
    EXPECT_EQ(Decode(MakeCryptoFile(spec), "secret").code, CryptoBadSize);
}

TEST(CryptoFile, LoadsFromDisk) {
    test::TempDir dir;
    const std::string path = dir.Write("c.cry", MakeCryptoFile(Spec()));
    EXPECT_EQ(LoadCryptoFile(path, ExpandKeyText("secret")).payload, kPayload);
    EXPECT_EQ(LoadCryptoFile((dir.Path() / "none.cry").string(), ExpandKeyText("secret")).code,
              CryptoNotProtected);
    EXPECT_EQ(LoadCryptoFile(path, "short").code, CryptoShortKey);
}

TEST(CryptoHeader, AliasAndIdentifierAsTheListReadsThem) {
    CryptoFileSpec spec = Spec();
    spec.alias = W("Склад 3   ");
    spec.ident = "0123456789AB";
    const CryptoHeader h = ReadCryptoHeader(MakeCryptoFile(spec));
    EXPECT_EQ(h.alias, W("Склад 3   "));
    EXPECT_EQ(h.ident, "0123456789AB");

    const CryptoHeader foreign = ReadCryptoHeader("Varnoth-X\r\nALIAS-0001012345678912........");
    EXPECT_EQ(foreign.alias, "");
    EXPECT_EQ(foreign.ident, "");
    // Exactly the 22 header bytes and nothing after them is too short.
    const std::string header = W("ТРАВО Варнот 18кГц 4") + "\nALIAS-0001012345678912";
    EXPECT_EQ(ReadCryptoHeader(header).alias, "");
    EXPECT_EQ(ReadCryptoHeader(header + "x").alias, "ALIAS-0001");
    // A first break byte in the alias is swallowed by the line break.
    EXPECT_EQ(ReadCryptoHeader(W("ТРАВО Варнот 18кГц 4") + "\n\nLIAS-0001012345678912xx").ident,
              "12345678912x");
}
