#pragma once

#include <QFocusEvent>
#include <QTimer>

// A list or tree that, on taking the focus, tells assistive technology of its
// current entry too, as it does when the entry changes: Qt tells only of the
// view, so a screen reader reaching a record list would not say which record
// is shown.
template <class View> class SpeaksCurrent : public View
{
public:
    using View::View;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        View::focusInEvent(event);
        // After Qt has told of the view itself.
        QTimer::singleShot(0, this, [this] {
            if (this->hasFocus() && this->currentIndex().isValid())
                this->currentChanged(this->currentIndex(), this->currentIndex());
        });
    }
};
