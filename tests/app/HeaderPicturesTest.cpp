#include "app/HeaderPictures.h"
#include "support/CleanState.h"

#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using HeaderPictures = CleanState;

// A bundle folder of its own for each test: bin/ with the executable's
// place, and Resources/ made or filled as the test goes.
class BundleFixture : public CleanState {
protected:
    void SetUp() override
    {
        RuntimeInit();
        root = fs::temp_directory_path()
            / ("ikto-bundle-" + std::to_string(::getpid()) + "-"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "bin");
        std::ofstream(root / "bin" / "ikto-si") << "";
        _SetApplicationExecutablePath((root / "bin" / "ikto-si").string());
    }

    void TearDown() override
    {
        fs::remove_all(root);
        CleanState::TearDown();
    }

    void WritePicture(const char* name, int width, int height)
    {
        fs::create_directories(root / "Resources");
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::darkYellow);
        ASSERT_TRUE(image.save(QString::fromStdString((root / "Resources" / name).string()), "PNG"));
    }

    void WriteJunk(const char* name)
    {
        fs::create_directories(root / "Resources");
        std::ofstream(root / "Resources" / name) << "not a picture";
    }

    fs::path root;
};

TEST_F(BundleFixture, PictureIsReadOnceFoundAndKeptAfterwards)
{
    // No Resources folder: nothing, and no error.
    EXPECT_EQ(GoldBlackRedIcon64(), nullptr);
    // A folder without the file, then a file that is no picture: still nothing.
    fs::create_directories(root / "Resources");
    EXPECT_EQ(GoldBlackRedIcon64(), nullptr);
    WriteJunk("GoldBlackRedIcon64.png");
    EXPECT_EQ(GoldBlackRedIcon64(), nullptr);
    // Each call tries again, so the picture is found once it is there.
    WritePicture("GoldBlackRedIcon64.png", 64, 64);
    std::shared_ptr<Picture> first = GoldBlackRedIcon64();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Width(), 64);
    // From then on the same picture, even once the file has gone.
    fs::remove(root / "Resources" / "GoldBlackRedIcon64.png");
    EXPECT_EQ(GoldBlackRedIcon64(), first);
}

TEST_F(BundleFixture, TheTwoPicturesAreIndependent)
{
    WritePicture("GoldBlackRedIcon64.png", 64, 64);
    WriteJunk("IconHdr.png");
    EXPECT_NE(GoldBlackRedIcon64(), nullptr);
    EXPECT_EQ(IconHdr(), nullptr);
    WritePicture("IconHdr.png", 508, 142);
    ASSERT_NE(IconHdr(), nullptr);
    EXPECT_EQ(IconHdr()->Width(), 508);
    EXPECT_NE(IconHdr(), GoldBlackRedIcon64());
}

TEST_F(HeaderPictures, AnExecutableWithoutParentFoldersRaisesNilObject)
{
    RuntimeInit();
    _SetApplicationExecutablePath("/");
    EXPECT_THROW(IconHdr(), NilObjectException);
    _SetApplicationExecutablePath("");
}

TEST_F(HeaderPictures, TheBuiltBundleHoldsBothPictures)
{
    RuntimeInit();
    _SetApplicationExecutablePath(std::string(IKTO_BUNDLE_DIR) + "/bin/ikto-si");
    ASSERT_NE(GoldBlackRedIcon64(), nullptr);
    EXPECT_EQ(GoldBlackRedIcon64()->Width(), 64);
    EXPECT_EQ(GoldBlackRedIcon64()->Height(), 64);
    ASSERT_NE(IconHdr(), nullptr);
    EXPECT_EQ(IconHdr()->Width(), 508);
    EXPECT_EQ(IconHdr()->Height(), 142);
    _SetApplicationExecutablePath("");
}

} // namespace
