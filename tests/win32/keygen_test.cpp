// The key generators and export file functions as callers of wifiapi.dll reach them: by plain name, cdecl.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "adapter/portable/KeyText.h"

namespace {

using NwepgenFn = uint32_t(__cdecl*)(const char*, int32_t, uint8_t*);
using GeneratePassPhraseFn = uint8_t*(__cdecl*)(uint8_t*, const char*);

class KeyGenExportsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dll_ = LoadLibraryA("wifiapi.dll");
        ASSERT_NE(dll_, nullptr) << GetLastError();
        nwepgen_ = reinterpret_cast<NwepgenFn>(reinterpret_cast<void*>(GetProcAddress(dll_, "nwepgen")));
        generate_ = reinterpret_cast<GeneratePassPhraseFn>(
            reinterpret_cast<void*>(GetProcAddress(dll_, "GeneratePassPhrase")));
        ASSERT_NE(nwepgen_, nullptr);
        ASSERT_NE(generate_, nullptr);
    }
    void TearDown() override {
        if (dll_) FreeLibrary(dll_);
    }

    HMODULE dll_ = nullptr;
    NwepgenFn nwepgen_ = nullptr;
    GeneratePassPhraseFn generate_ = nullptr;
};

}  // namespace

TEST_F(KeyGenExportsTest, ExportedByUndecoratedNames) {
    for (const char* name : {"nwepgen", "GeneratePassPhrase", "ExportProfile", "ImportProfile"}) {
        EXPECT_NE(GetProcAddress(dll_, name), nullptr) << name;
        EXPECT_EQ(GetProcAddress(dll_, ("_" + std::string(name)).c_str()), nullptr) << name << " is decorated";
    }
}

TEST_F(KeyGenExportsTest, NwepgenFillsTheEditorsBlock) {
    std::vector<uint8_t> block(100, 0xEE);
    EXPECT_EQ(nwepgen_("lantern orchard", 5, block.data()), 0x624ba44bu);
    const char* keys[] = {"3406F4ADE6", "418D4051CD", "BD73B10A33", "C8C8BD714B"};
    for (int k = 0; k < 4; ++k) EXPECT_EQ(BytesToHexText(block.data() + 27 * k, 5), keys[k]) << k;
    EXPECT_EQ(block[5], 0xEE);
    EXPECT_EQ(block[86], 0xEE);

    std::vector<uint8_t> untouched(100, 0xEE);
    EXPECT_EQ(nwepgen_("", 5, untouched.data()), 0u);
    EXPECT_EQ(nwepgen_(nullptr, 5, untouched.data()), 0u);
    EXPECT_EQ(nwepgen_("lantern orchard", 5, nullptr), 0u);
    EXPECT_EQ(nwepgen_("ab", -3, untouched.data()), 0x6261u) << "a negative length runs no steps";
    EXPECT_EQ(untouched, std::vector<uint8_t>(100, 0xEE));
}

TEST_F(KeyGenExportsTest, GeneratePassPhraseWritesSixteenBytesAndReturnsTheBuffer) {
    uint8_t out[20];
    std::memset(out, 0xEE, sizeof out);
    EXPECT_EQ(generate_(out, "lantern orchard"), out);
    EXPECT_EQ(BytesToHexText(out, 16), "1ABB462978B35A9EB29CE0D8A9AB9F38");
    EXPECT_EQ(out[16], 0xEE);
    EXPECT_EQ(generate_(out, nullptr), out);
    EXPECT_EQ(BytesToHexText(out, 16), "3B5D3C7D207E37DCEEEDD301E35E2E58") << "as an empty passphrase";
    EXPECT_EQ(generate_(nullptr, "x"), nullptr);
}
