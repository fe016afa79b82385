#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "model/workspace_ui.h"
#include "platform/qimage_bridge.h"
#include "platform/surface.h"
#include "tests/support/remove_tree.h"

namespace tess::testing {

// A fresh program folder (TESSALINE_HOME) and a folder for the pictures a test
// writes, both removed afterwards.
class PictureFolder {
  public:
    PictureFolder() : root_(makeTemporaryFolder("tessaline-charges-")) {
        std::filesystem::create_directories(root_ / "home");
        std::filesystem::create_directories(root_ / "pictures");
        ::setenv("TESSALINE_HOME", (root_ / "home").c_str(), 1);
    }
    ~PictureFolder() {
        ::unsetenv("TESSALINE_HOME");
        removeTree(root_);
    }
    std::string home() const { return (root_ / "home").string(); }
    std::string picture(const std::string& name) const {
        return (root_ / "pictures" / name).string();
    }

    // Writes `s` through Qt's writer in `format` ("BMP", "JPG").
    std::string write(const std::string& name, const Surface& s, const char* format,
                      int quality = -1) const {
        const std::string path = picture(name);
        EXPECT_TRUE(toQImage(s).save(QString::fromStdString(path), format, quality));
        return path;
    }
    std::string writeBmp(const std::string& name, const Surface& s) const {
        return write(name, s, "BMP");
    }
    // Qt reads gif but does not write it: a gif with a 256-colour table (at most
    // 256 distinct colours in `s`) made by hand, every pixel a literal code, a
    // clear code often enough to keep the codes at nine bits.
    std::string writeGif(const std::string& name, const Surface& s) const {
        std::vector<std::uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
        auto word = [&](int v) {
            out.push_back(std::uint8_t(v));
            out.push_back(std::uint8_t(v >> 8));
        };
        const int w = s.width(), h = s.height();
        word(w);
        word(h);
        out.insert(out.end(), {0xF7, 0, 0});  // global table of 256 colours
        std::map<Colour, int> index;
        std::vector<Colour> table;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (index.emplace(s.pixel(x, y), int(table.size())).second)
                    table.push_back(s.pixel(x, y));
        EXPECT_LE(table.size(), 256u);
        table.resize(256, 0);
        for (Colour c : table)
            out.insert(out.end(),
                       {std::uint8_t(redOf(c)), std::uint8_t(greenOf(c)), std::uint8_t(blueOf(c))});
        out.push_back(0x2C);
        word(0);
        word(0);
        word(w);
        word(h);
        out.push_back(0);
        out.push_back(8);  // minimum code size
        std::vector<std::uint8_t> codes;
        std::uint32_t bits = 0;
        int count = 0;
        auto put = [&](int code) {
            bits |= std::uint32_t(code) << count;
            count += 9;
            while (count >= 8) {
                codes.push_back(std::uint8_t(bits));
                bits >>= 8;
                count -= 8;
            }
        };
        int n = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (n++ % 200 == 0) put(256);
                put(index.at(s.pixel(x, y)));
            }
        put(257);
        if (count > 0) codes.push_back(std::uint8_t(bits));
        for (std::size_t i = 0; i < codes.size(); i += 255) {
            const std::size_t len = std::min<std::size_t>(255, codes.size() - i);
            out.push_back(std::uint8_t(len));
            out.insert(out.end(), codes.begin() + i, codes.begin() + i + len);
        }
        out.insert(out.end(), {0, 0x3B});
        const std::string path = picture(name);
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.size()));
        return path;
    }

  private:
    std::filesystem::path root_;
};

// Records what the core has the windows do while it runs: the wait box.
class RecordingUi : public WorkspaceUi {
  public:
    void showWaitBox(const std::string& text) override { waitTexts.push_back(text); }
    void hideWaitBox() override { ++waitHidden; }
    std::vector<std::string> waitTexts;
    int waitHidden = 0;
};

}  // namespace tess::testing
