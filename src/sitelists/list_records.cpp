#include "sitelists/list_records.h"

namespace sg {

std::ostream& operator<<(std::ostream& out, const CategoryRecord& record)
{
    return out << "CategoryRecord{\"" << record.CategoryName << "\", " << record.SiteFileNumber
               << "}";
}

std::ostream& operator<<(std::ostream& out, const SiteRecord& record)
{
    return out << "SiteRecord{\"" << record.SiteName << "\", \"" << record.SiteUrl << "\"}";
}

Bytes blankCategoryRecord()
{
    Bytes record(kCategoryRecordLength, 0);
    RecordWriter(record).text(0, kCategoryNameWidth, "");
    return record;
}

Bytes blankSiteRecord()
{
    return Bytes(kSiteRecordLength, ' ');
}

Bytes encodeCategoryRecord(const CategoryRecord& record)
{
    Bytes bytes(kCategoryRecordLength, 0);
    RecordWriter writer(bytes);
    writer.text(0, kCategoryNameWidth, record.CategoryName);
    writer.i16(kCategoryNameWidth, record.SiteFileNumber);
    return bytes;
}

Bytes encodeSiteRecord(const SiteRecord& record)
{
    Bytes bytes(kSiteRecordLength, 0);
    RecordWriter writer(bytes);
    writer.text(0, kSiteNameWidth, record.SiteName);
    writer.text(kSiteNameWidth, kSiteUrlWidth, record.SiteUrl);
    return bytes;
}

CategoryRecord decodeCategoryRecord(std::span<const std::uint8_t> record)
{
    const RecordReader reader(record);
    return { reader.text(0, kCategoryNameWidth), reader.i16(kCategoryNameWidth) };
}

SiteRecord decodeSiteRecord(std::span<const std::uint8_t> record)
{
    const RecordReader reader(record);
    return { reader.text(0, kSiteNameWidth), reader.text(kSiteNameWidth, kSiteUrlWidth) };
}

std::vector<CategoryRecord> decodeCategoryList(std::span<const std::uint8_t> file)
{
    std::vector<CategoryRecord> records;
    for (const Bytes& record : splitRecords(file, blankCategoryRecord()))
        records.push_back(decodeCategoryRecord(record));
    return records;
}

std::vector<SiteRecord> decodeSiteList(std::span<const std::uint8_t> file)
{
    std::vector<SiteRecord> records;
    for (const Bytes& record : splitRecords(file, blankSiteRecord()))
        records.push_back(decodeSiteRecord(record));
    return records;
}

Bytes encodeCategoryList(std::span<const CategoryRecord> records)
{
    Bytes file;
    file.reserve(records.size() * kCategoryRecordLength);
    for (const CategoryRecord& record : records) {
        const Bytes bytes = encodeCategoryRecord(record);
        file.insert(file.end(), bytes.begin(), bytes.end());
    }
    return file;
}

Bytes encodeSiteList(std::span<const SiteRecord> records)
{
    Bytes file;
    file.reserve(records.size() * kSiteRecordLength);
    for (const SiteRecord& record : records) {
        const Bytes bytes = encodeSiteRecord(record);
        file.insert(file.end(), bytes.begin(), bytes.end());
    }
    return file;
}

} // namespace sg
