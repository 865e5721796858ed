#include "sitelists/bookmark_file.h"

#include "common/utf8.h"
#include "sitelists/field_text.h"

#include <array>
#include <cstdint>
#include <optional>

namespace sg {
namespace {

// Joined names are cut here: a category keeps far fewer bytes, and deep nesting must not
// make the names grow without end.
constexpr std::size_t kMaxJoinedNameLength = 1024;
constexpr std::string_view kDefaultRootName = "Bookmarks";

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

std::string lowerAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = lower(c);
    return out;
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool isNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The code point of a character reference's body ("amp", "#233", "#xE9"), if known.
std::optional<std::uint32_t> referenceValue(std::string_view body)
{
    static constexpr std::array<std::pair<std::string_view, std::uint32_t>, 6> kNamed
        = { { { "amp", '&' }, { "lt", '<' }, { "gt", '>' }, { "quot", '"' }, { "apos", '\'' },
            { "nbsp", ' ' } } };
    if (body.size() >= 2 && body[0] == '#') {
        const bool hex = lower(body[1]) == 'x';
        std::string_view digits = body.substr(hex ? 2 : 1);
        if (digits.empty() || digits.size() > 8)
            return std::nullopt;
        std::uint32_t value = 0;
        for (const char c : digits) {
            int d = -1;
            if (c >= '0' && c <= '9')
                d = c - '0';
            else if (hex && lower(c) >= 'a' && lower(c) <= 'f')
                d = lower(c) - 'a' + 10;
            if (d < 0)
                return std::nullopt;
            value = value * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
        }
        return value;
    }
    for (const auto& [name, value] : kNamed) {
        if (lowerAscii(body) == name)
            return value;
    }
    return std::nullopt;
}

// Character references decoded; an unknown or unfinished one stays as it is.
std::string decodeReferences(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '&') {
            const std::size_t semi = text.find(';', i + 1);
            if (semi != std::string_view::npos && semi - i <= 10) {
                if (const auto cp = referenceValue(text.substr(i + 1, semi - i - 1))) {
                    appendUtf8(out, *cp == 0 ? char32_t { 0xFFFD } : static_cast<char32_t>(*cp));
                    i = semi + 1;
                    continue;
                }
            }
        }
        out += text[i++];
    }
    return out;
}

// A name as shown: references decoded, runs of white space and control characters one
// blank, blanks trimmed.
std::string cleanName(std::string_view raw)
{
    const std::string decoded = decodeReferences(raw);
    std::string out;
    bool blank = false;
    for (const char c : decoded) {
        if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F) {
            blank = true;
            continue;
        }
        if (blank && !out.empty())
            out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

// An address: references decoded, white space at the ends and tabs and line breaks inside
// dropped (browsers do the same), bytes beyond ASCII percent-encoded.
std::string cleanUrl(std::string_view raw)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    const std::string decoded = decodeReferences(raw);
    std::string_view s(decoded);
    while (!s.empty() && (isSpace(s.front()) || s.front() == '\0'))
        s.remove_prefix(1);
    while (!s.empty() && (isSpace(s.back()) || s.back() == '\0'))
        s.remove_suffix(1);
    std::string out;
    for (const char c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '\t' || c == '\n' || c == '\r')
            continue;
        if (b >= 0x80 || b < 0x20) {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

bool isSkippedAddress(std::string_view url)
{
    const std::string start = lowerAscii(url.substr(0, 11));
    return url.empty() || start.starts_with("javascript:") || start.starts_with("data:")
        || start.starts_with("place:");
}

// The value of one attribute (name in lower case) of a tag's attribute text.
std::optional<std::string_view> attribute(std::string_view attrs, std::string_view wanted)
{
    std::size_t i = 0;
    while (i < attrs.size()) {
        while (i < attrs.size() && (isSpace(attrs[i]) || attrs[i] == '/'))
            ++i;
        const std::size_t nameStart = i;
        while (i < attrs.size() && !isSpace(attrs[i]) && attrs[i] != '=' && attrs[i] != '/')
            ++i;
        const std::string name = lowerAscii(attrs.substr(nameStart, i - nameStart));
        while (i < attrs.size() && isSpace(attrs[i]))
            ++i;
        std::string_view value;
        if (i < attrs.size() && attrs[i] == '=') {
            ++i;
            while (i < attrs.size() && isSpace(attrs[i]))
                ++i;
            if (i < attrs.size() && (attrs[i] == '"' || attrs[i] == '\'')) {
                const char quote = attrs[i++];
                const std::size_t end = attrs.find(quote, i);
                const std::size_t stop = end == std::string_view::npos ? attrs.size() : end;
                value = attrs.substr(i, stop - i);
                i = stop == attrs.size() ? stop : stop + 1;
            } else {
                const std::size_t start = i;
                while (i < attrs.size() && !isSpace(attrs[i]))
                    ++i;
                value = attrs.substr(start, i - start);
            }
        }
        if (name == wanted)
            return value;
        if (name.empty() && i < attrs.size())
            ++i; // a stray character
    }
    return std::nullopt;
}

// Reads the folders and links of a bookmark file, one tag at a time.
class Reader {
public:
    BookmarkFile read(std::string_view html)
    {
        std::size_t pos = 0;
        while (pos < html.size()) {
            if (html[pos] != '<') {
                const std::size_t next = html.find('<', pos);
                const std::size_t end = next == std::string_view::npos ? html.size() : next;
                if (m_capture != Capture::None)
                    m_text.append(html.substr(pos, end - pos));
                pos = end;
                continue;
            }
            if (html.substr(pos, 4) == "<!--") {
                const std::size_t end = html.find("-->", pos + 4);
                pos = end == std::string_view::npos ? html.size() : end + 3;
                continue;
            }
            std::size_t i = pos + 1;
            const bool closing = i < html.size() && html[i] == '/';
            if (closing)
                ++i;
            const std::size_t nameStart = i;
            while (i < html.size() && isNameChar(html[i]))
                ++i;
            if (i == nameStart) {
                if (pos + 1 < html.size() && (html[pos + 1] == '!' || html[pos + 1] == '?')) {
                    const std::size_t end = html.find('>', pos);
                    pos = end == std::string_view::npos ? html.size() : end + 1;
                } else {
                    if (m_capture != Capture::None)
                        m_text += '<';
                    ++pos;
                }
                continue;
            }
            const std::string name = lowerAscii(html.substr(nameStart, i - nameStart));
            const std::size_t end = tagEnd(html, i);
            tag(name, closing, html.substr(i, end - i));
            pos = end == html.size() ? end : end + 1;
        }
        finishCapture();
        return std::move(m_file);
    }

private:
    enum class Capture { None, Heading, Folder, Link };

    // The '>' that ends the tag whose attributes start at i (quoted values may hold '>').
    static std::size_t tagEnd(std::string_view html, std::size_t i)
    {
        char quote = 0;
        for (; i < html.size(); ++i) {
            const char c = html[i];
            if (quote) {
                if (c == quote)
                    quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '>') {
                return i;
            }
        }
        return html.size();
    }

    void tag(const std::string& name, bool closing, std::string_view attrs)
    {
        const bool structural = name == "dt" || name == "dl" || name == "dd" || name == "h3"
            || name == "a" || name == "h1" || name == "hr";
        if (m_capture != Capture::None) {
            if (closing && name == m_captureTag) {
                finishCapture();
                return;
            }
            if (!structural)
                return; // markup inside a name
            finishCapture();
        }
        if (closing) {
            if (name == "dl" && !m_lists.empty())
                m_lists.pop_back();
            return;
        }
        if (name == "dl") {
            m_lists.push_back(m_pendingFolder ? m_pendingFolder : currentFolder());
            m_pendingFolder.reset();
            return;
        }
        if (name == "dt" || name == "hr")
            m_pendingFolder.reset();
        if (name == "h1" || name == "h3" || name == "a") {
            m_pendingFolder.reset();
            m_capture = name == "h1" ? Capture::Heading
                : name == "h3"       ? Capture::Folder
                                     : Capture::Link;
            m_captureTag = name;
            m_text.clear();
            m_href = name == "a" ? attribute(attrs, "href") : std::nullopt;
        }
    }

    std::optional<std::size_t> currentFolder() const
    {
        return m_lists.empty() ? std::nullopt : m_lists.back();
    }

    void finishCapture()
    {
        const Capture capture = m_capture;
        m_capture = Capture::None;
        m_captureTag.clear();
        switch (capture) {
        case Capture::None:
            return;
        case Capture::Heading:
            if (!m_headingSeen)
                m_rootName = cleanName(m_text);
            m_headingSeen = true;
            return;
        case Capture::Folder: {
            std::string name = cleanName(m_text);
            if (name.empty())
                name = kUnnamedBookmarkFolder;
            if (const auto parent = currentFolder())
                name = m_file.folders[*parent].name + " / " + name;
            m_file.folders.push_back({ cutToEncodedLength(name, kMaxJoinedNameLength), {} });
            m_pendingFolder = m_file.folders.size() - 1;
            return;
        }
        case Capture::Link: {
            const std::string url = m_href ? cleanUrl(*m_href) : std::string();
            if (isSkippedAddress(url)) {
                ++m_file.skippedLinks;
                return;
            }
            auto folder = currentFolder();
            if (!folder)
                folder = rootFolder();
            m_file.folders[*folder].pages.push_back({ cleanName(m_text), url });
            return;
        }
        }
    }

    std::size_t rootFolder()
    {
        if (!m_rootFolder) {
            const std::string name = m_rootName.empty()
                ? std::string(kDefaultRootName)
                : cutToEncodedLength(m_rootName, kMaxJoinedNameLength);
            m_file.folders.push_back({ name, {} });
            m_rootFolder = m_file.folders.size() - 1;
        }
        return *m_rootFolder;
    }

    BookmarkFile m_file;
    std::vector<std::optional<std::size_t>> m_lists; // the folder of each open <DL>
    std::optional<std::size_t> m_pendingFolder; // a heading waiting for its <DL>
    std::optional<std::size_t> m_rootFolder;
    std::string m_rootName;
    bool m_headingSeen = false;
    Capture m_capture = Capture::None;
    std::string m_captureTag;
    std::string m_text;
    std::optional<std::string_view> m_href;
};

std::string escapeHtml(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

std::ostream& operator<<(std::ostream& out, const BookmarkFolder& folder)
{
    out << "BookmarkFolder{\"" << folder.name << "\", {";
    for (const SiteRecord& page : folder.pages)
        out << page << ' ';
    return out << "}}";
}

bool isBookmarkFile(std::string_view html)
{
    return lowerAscii(html).find(lowerAscii(kBookmarkFileDoctype)) != std::string::npos;
}

BookmarkFile parseBookmarkFile(std::string_view html)
{
    return Reader().read(html);
}

std::string formatBookmarkFile(std::span<const BookmarkFolder> folders)
{
    std::string out = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                      "<!-- This is an automatically generated file.\n"
                      "     It will be read and overwritten.\n"
                      "     DO NOT EDIT! -->\n"
                      "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
                      "<TITLE>Bookmarks</TITLE>\n"
                      "<H1>Bookmarks</H1>\n"
                      "<DL><p>\n";
    for (const BookmarkFolder& folder : folders) {
        out += "    <DT><H3>" + escapeHtml(folder.name) + "</H3>\n";
        out += "    <DL><p>\n";
        for (const SiteRecord& page : folder.pages) {
            out += "        <DT><A HREF=\"" + escapeHtml(page.SiteUrl) + "\">"
                + escapeHtml(page.SiteName) + "</A>\n";
        }
        out += "    </DL><p>\n";
    }
    out += "</DL><p>\n";
    return out;
}

} // namespace sg
