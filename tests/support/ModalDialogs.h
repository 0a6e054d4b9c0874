#pragma once

#include <QWidget>

#include <functional>

namespace qm::test {

/// Runs `action` on the next modal widget that appears (a dialog shown with
/// exec()), once the event loop of that dialog runs. The action usually looks
/// at the dialog and then closes it.
void onNextModal(std::function<void(QWidget *)> action);

void failWrongModal(QWidget *modal, const char *expectedClass);

/// The next modal widget, cast to T; fails the test when it is of another type.
template <typename T> void onNextModal(std::function<void(T *)> action)
{
    onNextModal([action](QWidget *modal) {
        T *typed = qobject_cast<T *>(modal);
        if (!typed)
            failWrongModal(modal, T::staticMetaObject.className());
        else
            action(typed);
    });
}

} // namespace qm::test
