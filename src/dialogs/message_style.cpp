#include "dialogs/message_style.h"

#include <array>

namespace tess {

namespace {

struct ButtonSet {
    int count;
    std::array<MessageAnswer, 3> order;
};

ButtonSet buttonsOf(MessageButtons b) {
    using A = MessageAnswer;
    switch (b) {
        case MessageButtons::OkCancel:
            return {2, {A::Ok, A::Cancel, A::Cancel}};
        case MessageButtons::AbortRetryIgnore:
            return {3, {A::Abort, A::Retry, A::Ignore}};
        case MessageButtons::YesNoCancel:
            return {3, {A::Yes, A::No, A::Cancel}};
        case MessageButtons::YesNo:
            return {2, {A::Yes, A::No, A::No}};
        case MessageButtons::RetryCancel:
            return {2, {A::Retry, A::Cancel, A::Cancel}};
        case MessageButtons::Ok:
            break;
    }
    return {1, {A::Ok, A::Ok, A::Ok}};
}

}  // namespace

int MessageStyle::count() const {
    return buttonsOf(buttons).count;
}

MessageAnswer MessageStyle::button(int index) const {
    const ButtonSet set = buttonsOf(buttons);
    if (index < 0 || index >= set.count) index = 0;
    return set.order[std::size_t(index)];
}

MessageAnswer MessageStyle::escapeAnswer() const {
    const ButtonSet set = buttonsOf(buttons);
    for (int i = 0; i < set.count; ++i)
        if (set.order[std::size_t(i)] == MessageAnswer::Cancel) return MessageAnswer::Cancel;
    if (buttons == MessageButtons::YesNo) return MessageAnswer::No;
    if (buttons == MessageButtons::AbortRetryIgnore) return MessageAnswer::Abort;
    return MessageAnswer::Ok;
}

MessageStyle decodeMessageStyle(int style) {
    MessageStyle s;
    const int buttons = style & 7;
    s.buttons = buttons <= 5 ? MessageButtons(buttons) : MessageButtons::Ok;
    switch (style & 0x70) {
        case kStyleCritical:
            s.icon = MessageIcon::Critical;
            break;
        case kStyleQuestion:
            s.icon = MessageIcon::Question;
            break;
        case kStyleExclamation:
            s.icon = MessageIcon::Exclamation;
            break;
        case kStyleInformation:
            s.icon = MessageIcon::Information;
            break;
        default:
            s.icon = MessageIcon::None;
            break;
    }
    const int wanted = (style & 0x300) >> 8;
    // A default past the last button falls back to the first, as the boxes do.
    s.defaultIndex = wanted < s.count() ? wanted : 0;
    return s;
}

}  // namespace tess
