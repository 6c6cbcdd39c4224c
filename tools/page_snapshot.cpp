// Opens the component's preferences page in a real window, as a host does,
// and saves a picture of it as a PNG: once with the settings as they are
// stored by default, and with `--all-on` with every option on.
//
//   page_snapshot.exe relayvo.dll out.png [--all-on]
#include "host/session/component_library.h"
#include "quorvel/settings_page.h"
#include "tests/support/config_bytes.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

class no_services final : public quorvel::host_api {
public:
    quorvel::service_object* find_service(const quorvel::guid&, std::uint32_t) override {
        return nullptr;
    }
};

// Appends `v` most significant byte first, as PNG wants its numbers.
void put_u32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

// A configuration blob with every flag on and a custom group name.
std::vector<std::uint8_t> every_option_on() {
    config_support::blob_builder blob;
    for (const char* flag : {"add_total", "replace", "add_index", "use_custom_group", "force_on",
                             "show_numbers", "move_files"})
        blob.int_record(flag, 1);
    blob.record("cust_group_name", "Favourites");
    return blob.data;
}

std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0) {
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = crc >> 1 ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

void chunk(std::vector<std::uint8_t>& png, const char* type,
           const std::vector<std::uint8_t>& data) {
    put_u32(png, static_cast<std::uint32_t>(data.size()));
    std::vector<std::uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    png.insert(png.end(), body.begin(), body.end());
    put_u32(png, crc32(body.data(), body.size()));
}

// An RGB picture as a PNG whose image data is stored uncompressed.
std::vector<std::uint8_t> encode_png(int width, int height, const std::vector<std::uint8_t>& rgb) {
    std::vector<std::uint8_t> raw;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0); // no filter
        auto row = rgb.begin() + static_cast<long>(y) * width * 3;
        raw.insert(raw.end(), row, row + width * 3);
    }
    std::vector<std::uint8_t> z = {0x78, 0x01};
    for (std::size_t at = 0; at < raw.size() || at == 0;) {
        std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
        z.push_back(at + n == raw.size() ? 1 : 0);
        z.push_back(static_cast<std::uint8_t>(n));
        z.push_back(static_cast<std::uint8_t>(n >> 8));
        z.push_back(static_cast<std::uint8_t>(~n));
        z.push_back(static_cast<std::uint8_t>(~n >> 8));
        z.insert(z.end(), raw.begin() + static_cast<long>(at),
                 raw.begin() + static_cast<long>(at + n));
        at += n;
        if (n == 0) break;
    }
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    put_u32(z, b << 16 | a);

    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    put_u32(header, static_cast<std::uint32_t>(width));
    put_u32(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8-bit RGB
    chunk(png, "IHDR", header);
    chunk(png, "IDAT", z);
    chunk(png, "IEND", {});
    return png;
}

// The pixels of `window` as it shows on the screen.
std::vector<std::uint8_t> capture(HWND window, int& width, int& height) {
    RECT r;
    GetWindowRect(window, &r);
    width = r.right - r.left;
    height = r.bottom - r.top;
    HDC screen = GetWindowDC(window);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    int stride = (width * 3 + 3) & ~3;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto* p = static_cast<const std::uint8_t*>(bits) + y * stride + x * 3;
            auto* q = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            q[0] = p[2];
            q[1] = p[1];
            q[2] = p[0];
        }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return rgb;
}

void pump(int milliseconds) {
    DWORD until = GetTickCount() + static_cast<DWORD>(milliseconds);
    MSG message;
    while (GetTickCount() < until) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: page_snapshot LIBRARY OUT.png [--all-on]\n");
        return 2;
    }
    host::component_library library;
    if (std::string error = library.open(argv[1]); !error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    no_services services;
    quorvel::component_client* client = library.entry()(&services, library.module());
    if (argc > 3 && std::string(argv[3]) == "--all-on") {
        std::vector<std::uint8_t> blob = every_option_on();
        client->load_configuration(blob.data(), static_cast<std::uint32_t>(blob.size()));
    }
    quorvel::settings_page* page = nullptr;
    for (quorvel::service_entry* e = client->first_service_entry(); e; e = e->next)
        if (e->class_guid == quorvel::settings_page_class)
            page = static_cast<quorvel::settings_page*>(e->create_instance());

    // The page is a child of the host's preferences window, sized to the page.
    HWND frame = CreateWindowExW(0, L"STATIC", L"Preferences", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                                 nullptr, nullptr, nullptr, nullptr);
    HWND window = page ? page->create_window(frame) : nullptr;
    if (!window) {
        std::fprintf(stderr, "the page could not be created\n");
        return 1;
    }
    RECT r;
    GetWindowRect(window, &r);
    SetWindowPos(frame, HWND_TOP, 0, 0, r.right - r.left, r.bottom - r.top, SWP_SHOWWINDOW);
    ShowWindow(window, SW_SHOW);
    pump(1500);

    int width = 0, height = 0;
    std::vector<std::uint8_t> pixels = capture(window, width, height);
    std::vector<std::uint8_t> png = encode_png(width, height, pixels);
    FILE* out = std::fopen(argv[2], "wb");
    if (!out || std::fwrite(png.data(), 1, png.size(), out) != png.size()) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    std::fclose(out);
    DestroyWindow(frame);
    return 0;
}
