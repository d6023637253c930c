// Asset generator: draws every picture and synthesises every sound of the game, writes them
// into the resource folder, and writes enlarged previews for review.
//   vorbin_assetgen RESOURCE_DIR [PREVIEW_DIR]
#include "file_formats.h"
#include "pictures.h"
#include "sounds.h"
#include "tiles.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kPreviewScale = 8;

bool Write(const std::string& dir, const std::string& name, const Bytes& bytes) {
    std::string path = dir + "/" + name;
    if (WriteFileBytes(path, bytes))
        return true;
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return false;
}

bool WriteSound(const std::string& dir, const std::string& name, const Sound& s) {
    return Write(dir, name, EncodeWav(s.channels, s.sampleRate, s.samples));
}

bool WritePictures(const std::string& dir, const std::string& previews) {
    struct Picture {
        const char* name;
        Canvas canvas;
    };
    Canvas sheet = MakeTileSheet();
    const Picture pictures[] = {{"tiles", sheet},
                                {"logo", MakeTitleLogo()},
                                {"about", MakeAboutLogo()},
                                {"help", MakeHelpPicture()}};
    bool ok = true;
    for (const Picture& p : pictures) {
        ok = Write(dir, std::string(p.name) + ".bmp", EncodeBmp24(p.canvas)) && ok;
        if (!previews.empty())
            ok = Write(previews, std::string(p.name) + "-x8.bmp",
                       EncodeBmp24(p.canvas.Enlarged(kPreviewScale))) &&
                 ok;
    }
    std::vector<Canvas> icons = MakeIconImages();
    ok = Write(dir, "vorbin.ico", EncodeIco(icons)) && ok;
    if (!previews.empty()) {
        ok =
            Write(previews, "board-x2.bmp", EncodeBmp24(MakeBoardPreview(sheet).Enlarged(2))) && ok;
        for (const Canvas& icon : icons) {
            // Shown over window grey, as on a typical title bar or desktop.
            Canvas shown(icon.Width(), icon.Height(), Rgb(192, 192, 192));
            shown.DrawOver(icon, 0, 0);
            ok = Write(previews, "icon" + std::to_string(icon.Width()) + "-x8.bmp",
                       EncodeBmp24(shown.Enlarged(kPreviewScale))) &&
                 ok;
        }
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s RESOURCE_DIR [PREVIEW_DIR]\n", argv[0]);
        return 2;
    }
    std::string dir = argv[1];
    std::string previews = argc == 3 ? argv[2] : "";
    bool ok = WritePictures(dir, previews);
    ok = WriteSound(dir, "key.wav", MakeKeySound()) && ok;
    ok = WriteSound(dir, "door.wav", MakeDoorSound()) && ok;
    ok = WriteSound(dir, "caught.wav", MakeCaughtSound()) && ok;
    return ok ? 0 : 1;
}
