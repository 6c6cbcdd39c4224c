// The built DLL as a user installs it: a 32-bit image with one undecorated
// export, imports from system DLLs and utf8api only, and the dialog template
// as resource 102 in British English. Read from the file, not through the loader.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

// A PE file in memory, addressed by relative virtual address.
class pe_file {
public:
    explicit pe_file(const char* path) {
        std::ifstream in(path, std::ios::binary);
        bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (bytes_.size() < sizeof(IMAGE_DOS_HEADER)) return;
        auto dos = at<IMAGE_DOS_HEADER>(0);
        if (!dos || dos->e_magic != IMAGE_DOS_SIGNATURE) return;
        nt_ = at<IMAGE_NT_HEADERS32>(static_cast<std::size_t>(dos->e_lfanew));
        if (!nt_ || nt_->Signature != IMAGE_NT_SIGNATURE) nt_ = nullptr;
    }

    const IMAGE_NT_HEADERS32* nt() const { return nt_; }

    // The file offset of `rva`, through the section that holds it.
    std::size_t offset(DWORD rva) const {
        auto section = IMAGE_FIRST_SECTION(nt_);
        for (WORD i = 0; i < nt_->FileHeader.NumberOfSections; ++i, ++section)
            if (rva >= section->VirtualAddress &&
                rva < section->VirtualAddress + section->Misc.VirtualSize)
                return rva - section->VirtualAddress + section->PointerToRawData;
        return bytes_.size();
    }
    template <class T>
    const T* at(std::size_t file_offset) const {
        return file_offset + sizeof(T) <= bytes_.size()
                   ? reinterpret_cast<const T*>(bytes_.data() + file_offset)
                   : nullptr;
    }
    template <class T>
    const T* at_rva(DWORD rva) const {
        return at<T>(offset(rva));
    }
    std::string text_at_rva(DWORD rva) const {
        std::size_t from = offset(rva);
        std::string text;
        while (from < bytes_.size() && bytes_[from]) text += static_cast<char>(bytes_[from++]);
        return text;
    }
    const IMAGE_DATA_DIRECTORY& directory(int which) const {
        return nt_->OptionalHeader.DataDirectory[which];
    }

private:
    std::vector<std::uint8_t> bytes_;
    const IMAGE_NT_HEADERS32* nt_ = nullptr;
};

// The entry of `id` in a resource directory, or null.
const IMAGE_RESOURCE_DIRECTORY_ENTRY* resource_entry(const pe_file& pe, DWORD base, DWORD directory,
                                                     DWORD id) {
    auto dir = pe.at_rva<IMAGE_RESOURCE_DIRECTORY>(base + directory);
    if (!dir) return nullptr;
    auto entries = reinterpret_cast<const IMAGE_RESOURCE_DIRECTORY_ENTRY*>(dir + 1);
    int count = dir->NumberOfNamedEntries + dir->NumberOfIdEntries;
    for (int i = 0; i < count; ++i)
        if (!entries[i].NameIsString && entries[i].Id == id) return &entries[i];
    return nullptr;
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

class dll_image_test : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(pe.nt(), nullptr) << "not a PE file: " << RELAYVO_LIBRARY; }
    pe_file pe{RELAYVO_LIBRARY};
};

} // namespace

TEST_F(dll_image_test, is_a_32_bit_intel_dll) {
    EXPECT_EQ(pe.nt()->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_TRUE(pe.nt()->FileHeader.Characteristics & IMAGE_FILE_DLL);
    EXPECT_EQ(pe.nt()->OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR32_MAGIC);
}

TEST_F(dll_image_test, exports_exactly_the_undecorated_entry_point) {
    const auto& dir = pe.directory(IMAGE_DIRECTORY_ENTRY_EXPORT);
    auto exports = pe.at_rva<IMAGE_EXPORT_DIRECTORY>(dir.VirtualAddress);
    ASSERT_NE(exports, nullptr);
    EXPECT_EQ(exports->NumberOfFunctions, 1u);
    ASSERT_EQ(exports->NumberOfNames, 1u);
    auto name = pe.at_rva<DWORD>(exports->AddressOfNames);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(pe.text_at_rva(*name), "quorvel_get_interface");
}

TEST_F(dll_image_test, imports_only_system_dlls_and_utf8api) {
    const std::set<std::string> allowed = {"kernel32.dll", "user32.dll", "msvcrt.dll",
                                           "utf8api.dll"};
    const auto& dir = pe.directory(IMAGE_DIRECTORY_ENTRY_IMPORT);
    std::set<std::string> imported;
    for (DWORD at = dir.VirtualAddress;; at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        auto entry = pe.at_rva<IMAGE_IMPORT_DESCRIPTOR>(at);
        ASSERT_NE(entry, nullptr);
        if (entry->Name == 0) break;
        imported.insert(lower(pe.text_at_rva(entry->Name)));
    }
    EXPECT_TRUE(imported.count("utf8api.dll"));
    for (const std::string& dll : imported) EXPECT_TRUE(allowed.count(dll)) << dll;
}

TEST_F(dll_image_test, carries_the_settings_dialog_as_resource_102_in_british_english) {
    DWORD base = pe.directory(IMAGE_DIRECTORY_ENTRY_RESOURCE).VirtualAddress;
    ASSERT_NE(base, 0u);
    auto type = resource_entry(pe, base, 0, 5 /* dialog */);
    ASSERT_TRUE(type && type->DataIsDirectory);
    auto name = resource_entry(pe, base, type->OffsetToDirectory, 102);
    ASSERT_TRUE(name && name->DataIsDirectory);
    auto language = resource_entry(pe, base, name->OffsetToDirectory, 2057);
    ASSERT_TRUE(language && !language->DataIsDirectory);
    auto data = pe.at_rva<IMAGE_RESOURCE_DATA_ENTRY>(base + language->OffsetToData);
    ASSERT_NE(data, nullptr);
    auto header = pe.at_rva<WORD>(data->OffsetToData);
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header[0], 1);      // extended template, version 1
    EXPECT_EQ(header[1], 0xFFFF); // its signature
}
