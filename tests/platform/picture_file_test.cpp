#include "platform/picture_file.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>
#include <random>

#include "platform/ascii_picture.h"
#include "platform/qimage_bridge.h"
#include "platform/record_file.h"
#include "support/charge_pictures.h"
#include "support/scratch_folder.h"

namespace tess {
namespace {

using testing::Bytes;
using PictureFile = testing::ScratchFolder;

Surface sample() {
    return testing::picture({"rgbyk.#", "#.kybgr", "rrrrrrr"});
}

Bytes encoded(const QImage& image, const char* format) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image)) return {};
    return Bytes(data.begin(), data.end());
}

// Qt reads gif but does not write it: the shared hand-made writer's bytes.
Bytes gifBytes(const Surface& s) {
    testing::PictureFolder folder;
    return *readFileBytes(folder.writeGif("picture.gif", s));
}

TEST(QImageBridge, RedAndBlueSwapAtTheBoundaryOnly) {
    const QImage image = toQImage(testing::picture({"rb"}));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 0, 255));
    EXPECT_EQ(fromQImage(image), testing::picture({"rb"}));
    EXPECT_EQ(fromQImage(toQImage(sample())), sample());
}

// The window's image of a surface, at widths on either side of the steps the
// conversion takes: every pixel is Qt's own opaque colour of the surface's
// red, green and blue (the surface's unused high byte ignored), and reading
// the image back gives the surface.
TEST(QImageBridge, ConvertsEveryPixelAndReadsBack) {
    std::mt19937 rng(5);
    std::uniform_int_distribution<Colour> any;
    for (int w = 1; w <= 37; ++w) {
        const int h = 1 + w % 5;
        Surface s(w, h, kBlack);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) s.setPixel(x, y, any(rng));
        const QImage image = toQImage(s);
        ASSERT_EQ(image.width(), w);
        ASSERT_EQ(image.height(), h);
        Surface expectedBack(w, h, kWhite);  // the background it is read over
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const Colour c = s.pixel(x, y);
                ASSERT_EQ(image.pixel(x, y), qRgb(redOf(c), greenOf(c), blueOf(c)))
                    << x << "," << y << " of " << w;
                expectedBack.setPixel(x, y, c & 0xFFFFFFu);
            }
        EXPECT_EQ(fromQImage(image, kWhite), expectedBack) << w;
    }
}

TEST(QImageBridge, SeeThroughPixelsShowTheBackground) {
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 0, 0, 0));
    image.setPixel(1, 0, qRgba(0, 0, 255, 255));
    const Surface s = fromQImage(image, 0x00FF00);
    EXPECT_EQ(s.pixel(0, 0), 0x00FF00u);
    EXPECT_EQ(s.pixel(1, 0), 0xFF0000u);
    EXPECT_TRUE(fromQImage(QImage()).empty());
}

TEST_F(PictureFile, SavedBitmapsAre24BitAndReadBackExactly) {
    const std::string path = file("Lion.hpc");
    ASSERT_EQ(savePictureBmp(sample(), path), "");
    const auto bytes = readFileBytes(path);
    ASSERT_TRUE(bytes && bytes->size() > 30);
    EXPECT_EQ((*bytes)[0], 'B');
    EXPECT_EQ((*bytes)[1], 'M');
    EXPECT_EQ((*bytes)[28] | (*bytes)[29] << 8, 24);  // bits per pixel
    const auto back = loadPicture(path);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, sample());
    EXPECT_NE(savePictureBmp(Surface(), file("empty.bmp")), "");
    EXPECT_NE(savePictureBmp(sample(), file("no/such/folder.bmp")), "");
}

TEST_F(PictureFile, GifAndJpegAreRecognisedByContentNotByName) {
    const auto loaded = loadPicture(put("charge.bmp", gifBytes(sample())));
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(*loaded, sample());
    const Bytes jpg = encoded(toQImage(Surface(16, 16, 0x0000FF)), "jpeg");
    ASSERT_FALSE(jpg.empty()) << "the jpeg plugin is missing";
    const auto red = loadPicture(put("charge.gif", jpg));
    ASSERT_TRUE(red.has_value());
    EXPECT_EQ(red->width(), 16);
    EXPECT_NEAR(redOf(red->pixel(8, 8)), 255, 8);
    EXPECT_NEAR(blueOf(red->pixel(8, 8)), 0, 8);
}

TEST_F(PictureFile, WhatIsNotABmpGifOrJpgGivesNothing) {
    EXPECT_FALSE(loadPicture(file("absent.bmp")).has_value());
    EXPECT_FALSE(loadPicture(folder_.string()).has_value());
    EXPECT_FALSE(loadPicture(put("empty.bmp", {})).has_value());
    EXPECT_FALSE(
        loadPicture(put("notes.bmp", Bytes{'B', 'o', 'n', 'j', 'o', 'u', 'r'})).has_value());
    const Bytes png = encoded(toQImage(sample()), "png");
    ASSERT_FALSE(png.empty());
    EXPECT_FALSE(loadPicture(put("charge.png", png)).has_value());
}

// Damaged pictures (cut short, bytes changed, forged sizes) must neither crash
// nor hang; whether some still load is up to the decoder.
TEST_F(PictureFile, DamagedPicturesNeverCrash) {
    Surface big(40, 30);
    big.line(0, 0, 40, 30, 0x0000FF);
    const QImage image = toQImage(big);
    std::vector<Bytes> samples = {encoded(image.convertToFormat(QImage::Format_RGB888), "bmp"),
                                  gifBytes(big), encoded(image, "jpeg")};
    std::mt19937 random(99);
    int round = 0;
    for (const Bytes& good : samples) {
        if (good.empty()) continue;
        for (std::size_t cut = 0; cut < good.size(); cut += 1 + good.size() / 40) {
            Bytes bad(good.begin(), good.begin() + cut);
            loadPicture(put("cut" + std::to_string(round++), bad));
        }
        for (int i = 0; i < 60; ++i) {
            Bytes bad = good;
            for (int k = 0; k < 4; ++k)
                bad[random() % std::min<std::size_t>(bad.size(), 64)] = random();
            const auto loaded = loadPicture(put("bad" + std::to_string(round++), bad));
            if (loaded) {
                EXPECT_LE(qint64(loaded->width()) * loaded->height(), 40'000'000);
            }
        }
    }
    // A bitmap header claiming 60000 x 60000 pixels.
    Bytes forged = samples[0];
    forged[18] = 0x60, forged[19] = 0xEA, forged[22] = 0x60, forged[23] = 0xEA;
    EXPECT_FALSE(loadPicture(put("forged.bmp", forged)).has_value());
}

}  // namespace
}  // namespace tess
