#pragma once
// The single-line field of every form.
#include <QLineEdit>

namespace toolkit {

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    enum class Kind {
        Entry,    // an amount typed by the user: right-aligned, "0" at creation; invisible
                  // characters never enter it (keepVisible)
        FreeText, // typed by the user, not an amount: left-aligned, empty at creation
        Output,   // written by a computation: read-only, not a tab stop, dark red, "0"
        Carrier,  // invisible, "0": carries a figure from one form to another
    };

    // Left, top, width and height in twips.
    TextBox(QWidget* parent, const QString& name, Kind kind, int left, int top, int width,
            int height);

    Kind kind() const { return kind_; }

protected:
    // A figure too wide for the field is drawn in letters narrowed just enough for it to show
    // whole (down to three quarters of their width), rather than cut at one end: at each
    // paint, so whatever wrote the text (even with the field's signals blocked) is seen.
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
};

// Focus entering the field selects its whole text (caret at the start, selection to the
// end), so that the next key typed replaces the figure. Works for a combo box's line edit;
// every form does it for each of its editable combo boxes by itself. Once is enough.
void selectAllOnFocus(QLineEdit* field);

// The program puts the focus on the control (a field or a selection); where it selects on
// focus, its whole text is selected, also when the control had the focus before its window
// was left.
void enter(QWidget* control);

} // namespace toolkit
