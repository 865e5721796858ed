#include "about/suggestions.h"

#include "common/program.h"

namespace sg {
namespace {

constexpr std::string_view kIndent = "       ";

bool unreserved(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'
        || c == '.' || c == '_' || c == '~';
}

std::string percentEncoded(std::string_view text, std::string_view alsoKept = {})
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        if (unreserved(c) || alsoKept.find(c) != std::string_view::npos) {
            out += c;
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        out += '%';
        out += kHex[byte >> 4];
        out += kHex[byte & 15];
    }
    return out;
}

std::string paragraph(std::string_view text)
{
    return std::string(kIndent) + std::string(text) + "\r\n";
}

} // namespace

std::string suggestionsExplanation()
{
    return paragraph("Please Click The \"Send\" Button, Below, To Open A Pre-Addressed New Mail "
                     "Window.  Then You Can Compose Your Suggestion Or Bug Report Message And "
                     "Send It To Us.")
        + paragraph("Your Input Can Be Very Useful And Help Us To Refine And Improve Our "
                    "Software, Which Then, Can Be More Useful To You.")
        + paragraph("Your eMail Address And Information Will Not Be Given To Anyone For Any "
                    "Purpose, And We Will Not Use Your eMail Address Or Information For Any "
                    "Commercial Purpose Or Mailing Lists.");
}

std::string suggestionsActivationParagraph()
{
    return paragraph("Thank You For Using " + std::string(kProgramTitle)
        + ". Tell Us Which Pages You Watch With It, What You Would Like It To Do Next, Or What "
          "Went Wrong And What You Were Doing When It Happened.");
}

std::string_view suggestionsRecipient()
{
    return SKYGLASS_SUGGESTIONS_ADDRESS;
}

std::string suggestionMailUrl(std::string_view recipient)
{
    const std::string text = percentEncoded(kSuggestionsCaption);
    return "mailto:" + percentEncoded(recipient, "@") + "?subject=" + text + "&body=" + text;
}

SuggestionsLogic::SuggestionsLogic(bool& SuggestionsWindowOpen)
    : m_open(SuggestionsWindowOpen)
{
}

void SuggestionsLogic::open()
{
    m_open = true;
    m_view.frameCaption = std::string(kSuggestionsCaption);
    m_view.explanation = suggestionsExplanation();
}

void SuggestionsLogic::activate()
{
    if (m_activated)
        return;
    m_activated = true;
    m_view.explanation += suggestionsActivationParagraph();
}

void SuggestionsLogic::close()
{
    m_open = false;
}

} // namespace sg
