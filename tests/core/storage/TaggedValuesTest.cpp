#include "core/storage/TaggedValues.h"

#include "core/base/OrvelError.h"

#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

namespace orvel {
namespace {

std::string Bytes(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes)
        s += static_cast<char>(b);
    return s;
}

std::string Written(const std::function<void(TValueWriter&)>& write) {
    TValueWriter writer;
    write(writer);
    return writer.Data();
}

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EOrvelError& e) {
        return e.what();
    }
    return "";
}

// One value of every kind the writer makes, and one of each kind only the reader meets.
std::string SampleStream() {
    return Written([](TValueWriter& w) {
               w.WriteString("Sig");
               w.WriteInteger(1);
               w.WriteListBegin();
               w.WriteString(std::string(300, 'x'));
               w.WriteString("\xC0\xE1\x98");
               w.WriteInteger(-200);
               w.WriteInteger(70000);
               w.WriteBoolean(true);
               w.WriteListEnd();
           }) +
           Bytes({18, 2, 0, 0, 0, 0x10, 0x04, 0x31, 0x04}); // UTF-16 "Аб"
}

void ReadSample(TValueReader& r) {
    EXPECT_EQ(r.ReadString(), "Sig");
    EXPECT_EQ(r.ReadInteger(), 1);
    r.ReadListBegin();
    EXPECT_FALSE(r.EndOfList());
    EXPECT_EQ(r.ReadString(), std::string(300, 'x'));
    EXPECT_EQ(r.ReadString(), "\xC0\xE1\x98");
    EXPECT_EQ(r.ReadInteger(), -200);
    EXPECT_EQ(r.ReadInteger(), 70000);
    EXPECT_TRUE(r.ReadBoolean());
    EXPECT_TRUE(r.EndOfList());
    EXPECT_TRUE(r.EndOfList()); // peeking does not consume
    r.ReadListEnd();
    EXPECT_EQ(r.ReadString(), "\xC0\xE1");
}

TEST(TaggedValues, IntegersTakeTheSmallestTag) {
    const std::pair<int32_t, std::string> cases[] = {
        {0, Bytes({2, 0})},
        {127, Bytes({2, 0x7F})},
        {-128, Bytes({2, 0x80})},
        {128, Bytes({3, 0x80, 0})},
        {-129, Bytes({3, 0x7F, 0xFF})},
        {-32768, Bytes({3, 0, 0x80})},
        {32768, Bytes({4, 0, 0x80, 0, 0})},
        {40000, Bytes({4, 0x40, 0x9C, 0, 0})},
        {INT32_MIN, Bytes({4, 0, 0, 0, 0x80})},
    };
    for (const auto& [value, bytes] : cases) {
        EXPECT_EQ(Written([&](TValueWriter& w) { w.WriteInteger(value); }), bytes) << value;
        EXPECT_EQ(TValueReader(bytes).ReadInteger(), value) << value;
    }
}

TEST(TaggedValues, StringTags) {
    const std::string s255(255, 'a'), s256(256, 'a');
    EXPECT_EQ(Written([](TValueWriter& w) { w.WriteString(""); }), Bytes({6, 0}));
    EXPECT_EQ(Written([&](TValueWriter& w) { w.WriteString(s255); }), Bytes({6, 255}) + s255);
    EXPECT_EQ(Written([&](TValueWriter& w) { w.WriteString(s256); }),
              Bytes({12, 0, 1, 0, 0}) + s256);
    const std::string cyrillicA = Bytes({20, 2, 0, 0, 0, 0xD0, 0xB0});
    EXPECT_EQ(Written([](TValueWriter& w) { w.WriteString("\xE0"); }), cyrillicA);
    EXPECT_EQ(TValueReader(cyrillicA).ReadString(), "\xE0");
    // Tags 6 and 12 are taken byte for byte, even bytes above 0x7F.
    EXPECT_EQ(TValueReader(Bytes({6, 1, 0xE0})).ReadString(), "\xE0");
    EXPECT_EQ(TValueReader(Bytes({12, 1, 0, 0, 0, 0xE0})).ReadString(), "\xE0");
    // Malformed UTF-8 and lone surrogates read as '?' rather than failing.
    EXPECT_EQ(TValueReader(Bytes({20, 2, 0, 0, 0, 0xD0, 0x41})).ReadString(), "?A");
    EXPECT_EQ(TValueReader(Bytes({18, 1, 0, 0, 0, 0x00, 0xD8})).ReadString(), "?");

    std::string all;
    for (int b = 255; b >= 0; --b)
        all += static_cast<char>(b);
    const std::string bytes = Written([&](TValueWriter& w) { w.WriteString(all); });
    EXPECT_EQ(bytes[0], 20);
    EXPECT_EQ(TValueReader(bytes).ReadString(), all);
}

TEST(TaggedValues, Booleans) {
    EXPECT_EQ(Written([](TValueWriter& w) {
                  w.WriteBoolean(true);
                  w.WriteBoolean(false);
              }),
              Bytes({9, 8}));
    TValueReader r(Bytes({9, 8, 0, 1, 2, 0xFF}));
    EXPECT_TRUE(r.ReadBoolean());
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(r.ReadBoolean());
}

TEST(TaggedValues, WrongKindIsInvalidPropertyValue) {
    const std::string invalid = "Invalid property value";
    EXPECT_EQ(ErrorOf([] { TValueReader(Bytes({6, 0})).ReadInteger(); }), invalid);
    EXPECT_EQ(ErrorOf([] { TValueReader(Bytes({9})).ReadInteger(); }), invalid);
    EXPECT_EQ(ErrorOf([] { TValueReader(Bytes({2, 5})).ReadString(); }), invalid);
    EXPECT_EQ(ErrorOf([] { TValueReader(Bytes({0})).ReadListBegin(); }), invalid);
    EXPECT_EQ(ErrorOf([] { TValueReader(Bytes({1})).ReadListEnd(); }), invalid);
}

TEST(TaggedValues, EveryTruncationIsStreamReadError) {
    const std::string full = SampleStream();
    {
        TValueReader whole(full);
        ReadSample(whole);
        EXPECT_TRUE(whole.AtEnd());
        EXPECT_FALSE(TValueReader(full.substr(0, 1)).AtEnd());
    }
    for (size_t length = 0; length < full.size(); ++length) {
        TValueReader r(full.substr(0, length));
        EXPECT_EQ(ErrorOf([&] { ReadSample(r); }), "Stream read error") << length;
    }
    // A length far beyond the data fails at once rather than allocating it.
    const std::string huge = Bytes({20, 0xFF, 0xFF, 0xFF, 0xFF}) + std::string(15, 'a');
    EXPECT_EQ(ErrorOf([&] { TValueReader(huge).ReadString(); }), "Stream read error");
    EXPECT_EQ(ErrorOf([] {
                  TValueReader(Bytes({18, 0xFF, 0xFF, 0xFF, 0xFF, 1})).ReadString();
              }),
              "Stream read error");
}

class TaggedValuesFile : public ::testing::Test {
protected:
    void SetUp() override {
        FFile = std::tmpfile();
        ASSERT_NE(FFile, nullptr);
    }
    void TearDown() override { std::fclose(FFile); }
    int Fd() const { return fileno(FFile); }

    FILE* FFile = nullptr;
};

// The buffer size has no effect on the bytes, in either direction.
TEST_F(TaggedValuesFile, BufferedFileMatchesMemory) {
    const std::string expected = SampleStream();
    for (size_t bufferSize : {0, 1, 7, 32768}) {
        ASSERT_EQ(ftruncate(Fd(), 0), 0);
        ASSERT_EQ(lseek(Fd(), 0, SEEK_SET), 0);
        TValueWriter writer(Fd(), bufferSize, "sample");
        TValueReader source(expected);
        writer.WriteString(source.ReadString());
        writer.WriteInteger(source.ReadInteger());
        writer.WriteListBegin();
        source.ReadListBegin();
        writer.WriteString(source.ReadString());
        writer.WriteString(source.ReadString());
        writer.WriteInteger(source.ReadInteger());
        writer.WriteInteger(source.ReadInteger());
        writer.WriteBoolean(source.ReadBoolean());
        writer.WriteListEnd();
        writer.FlushBuffer();
        ASSERT_EQ(write(Fd(), expected.data() + expected.size() - 9, 9), 9);

        std::string onDisk(expected.size() + 1, '\0');
        onDisk.resize(static_cast<size_t>(pread(Fd(), onDisk.data(), onDisk.size(), 0)));
        EXPECT_EQ(onDisk, expected) << bufferSize;

        ASSERT_EQ(lseek(Fd(), 0, SEEK_SET), 0);
        TValueReader reader(Fd(), bufferSize);
        ReadSample(reader);
        EXPECT_TRUE(reader.AtEnd()) << bufferSize;
        EXPECT_EQ(ErrorOf([&] { reader.ReadBoolean(); }), "Stream read error");
    }
}

TEST(TaggedValues, FailedWriteIsReportedAndSticks) {
    const int fd = open("/dev/full", O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        GTEST_SKIP() << "no /dev/full";
    TValueWriter writer(fd, 16, "notes.dat");
    writer.WriteInteger(1); // still buffered
    const std::string error = ErrorOf([&] { writer.WriteString(std::string(20, 'a')); });
    EXPECT_EQ(error.rfind("Cannot write file notes.dat: ", 0), 0u) << error;
    EXPECT_EQ(ErrorOf([&] { writer.FlushBuffer(); }), error);
    EXPECT_EQ(ErrorOf([&] { writer.WriteBoolean(true); }), error);
    close(fd);
}

} // namespace
} // namespace orvel
