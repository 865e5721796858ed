#pragma once
// The suggestions window's logic: its texts, the paragraph added when it is first
// activated, and the pre-addressed mail its button opens. The window is open once at a time
// (SuggestionsWindowOpen).

#include <string>
#include <string_view>

namespace sg {

// The frame's caption, and the subject and text of the new mail.
inline constexpr std::string_view kSuggestionsCaption = "Suggestions And Bugs";
inline constexpr std::string_view kSendMailCaption = "Send Us An eMail";

// The three paragraphs of the explanation, each opening with seven blanks and ended by CR LF.
std::string suggestionsExplanation();

// The paragraph added to the explanation on the window's first activation.
std::string suggestionsActivationParagraph();

// The makers' address (the build's SKYGLASS_SUGGESTIONS_ADDRESS).
std::string_view suggestionsRecipient();

// "mailto:" + recipient, with the subject and the body "Suggestions And Bugs"; every
// character outside letters, digits and "-._~" (and "@" in the address) percent-encoded.
std::string suggestionMailUrl(std::string_view recipient);

struct SuggestionsView {
    std::string frameCaption;
    std::string explanation;
};

class SuggestionsLogic {
public:
    explicit SuggestionsLogic(bool& SuggestionsWindowOpen);

    const SuggestionsView& view() const { return m_view; }
    // Loading: the flag is set and the texts shown.
    void open();
    // The first activation adds the paragraph; later ones change nothing.
    void activate();
    // The address the button asks the desktop to open.
    std::string mailUrl() const { return suggestionMailUrl(suggestionsRecipient()); }
    void close();

private:
    bool& m_open;
    bool m_activated = false;
    SuggestionsView m_view;
};

} // namespace sg
