// Package reading and writing on libzip; archives are built in memory and written in one atomic step.
#include "docxpackage.h"

#include "model/atomicfile.h"

#include <zip.h>

#include <memory>

namespace trellon::docx {
namespace {

// Parts beyond this size are not template material.
constexpr zip_uint64_t largestPartBytes = 64u << 20;

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct SourceFreer {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;
using Source = std::unique_ptr<zip_source_t, SourceFreer>;

std::string zipErrorText(zip_error_t* error)
{
    const std::string text = zip_error_strerror(error);
    zip_error_fini(error);
    return text;
}

Error readError(const std::string& path, const std::string& reason)
{
    return Error{ErrorKind::refused, "cannot read " + path + " as an Office document: " + reason, std::nullopt};
}

Error buildError(const std::string& reason)
{
    return Error{ErrorKind::cannotWrite, "cannot build the Office document: " + reason, std::nullopt};
}

} // namespace

Result<DocxPackage> DocxPackage::read(const std::string& path)
{
    int code = 0;
    Archive archive(zip_open(path.c_str(), ZIP_RDONLY, &code));
    if (!archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const ErrorKind kind = code == ZIP_ER_NOENT || code == ZIP_ER_OPEN || code == ZIP_ER_READ
                                   ? ErrorKind::cannotOpen
                                   : ErrorKind::refused;
        Error failure = readError(path, zipErrorText(&error));
        failure.kind = kind;
        return failure;
    }
    DocxPackage package;
    const zip_int64_t entries = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < entries; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        zip_stat_t stat;
        if (zip_stat_index(archive.get(), index, 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0 ||
            (stat.valid & ZIP_STAT_NAME) == 0)
            return readError(path, zip_strerror(archive.get()));
        std::string name = stat.name;
        if (name.empty() || name.back() == '/')
            continue;
        if (stat.size > largestPartBytes)
            return readError(path, "part " + name + " is too large");
        zip_file_t* file = zip_fopen_index(archive.get(), index, 0);
        if (file == nullptr)
            return readError(path, zip_strerror(archive.get()));
        std::string content(static_cast<std::size_t>(stat.size), '\0');
        const zip_int64_t got = zip_fread(file, content.data(), stat.size);
        zip_fclose(file);
        if (got < 0 || static_cast<zip_uint64_t>(got) != stat.size)
            return readError(path, "part " + name + " cannot be read");
        package.parts_.emplace_back(std::move(name), std::move(content));
    }
    return package;
}

const std::string* DocxPackage::part(std::string_view name) const
{
    for (const auto& [partName, content] : parts_) {
        if (partName == name)
            return &content;
    }
    return nullptr;
}

void DocxPackage::setPart(std::string name, std::string content)
{
    for (auto& [partName, held] : parts_) {
        if (partName == name) {
            held = std::move(content);
            return;
        }
    }
    parts_.emplace_back(std::move(name), std::move(content));
}

Result<std::vector<std::uint8_t>> DocxPackage::zipBytes() const
{
    zip_error_t error;
    zip_error_init(&error);
    Source target(zip_source_buffer_create(nullptr, 0, 0, &error));
    if (!target)
        return buildError(zipErrorText(&error));
    zip_source_keep(target.get()); // the archive releases its reference on close; ours reads the result
    Archive archive(zip_open_from_source(target.get(), ZIP_TRUNCATE, &error));
    if (!archive) {
        zip_source_free(target.get());
        return buildError(zipErrorText(&error));
    }
    zip_error_fini(&error);
    // The part buffers are not copied: parts_ outlives zip_close below.
    for (const auto& [name, content] : parts_) {
        zip_source_t* part = zip_source_buffer(archive.get(), content.data(), content.size(), 0);
        if (part == nullptr)
            return buildError(zip_strerror(archive.get()));
        const zip_int64_t index = zip_file_add(archive.get(), name.c_str(), part, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(part);
            return buildError(zip_strerror(archive.get()));
        }
        zip_set_file_compression(archive.get(), static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 0);
    }
    if (zip_close(archive.get()) != 0)
        return buildError(zip_strerror(archive.get()));
    archive.release();

    zip_stat_t stat;
    if (zip_source_stat(target.get(), &stat) != 0 || zip_source_open(target.get()) != 0)
        return buildError(zip_error_strerror(zip_source_error(target.get())));
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(stat.size));
    const zip_int64_t got = zip_source_read(target.get(), bytes.data(), bytes.size());
    zip_source_close(target.get());
    if (got < 0 || static_cast<std::size_t>(got) != bytes.size())
        return buildError("the archive cannot be read back");
    return bytes;
}

Status DocxPackage::write(const std::string& path) const
{
    auto bytes = zipBytes();
    if (!bytes)
        return bytes.error();
    return writeFileAtomically(path, bytes.value(), "cannot create the report file");
}

} // namespace trellon::docx
