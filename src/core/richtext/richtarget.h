#pragma once
#include "core/richtext/richformat.h"

#include <QMetaObject>
#include <QPointer>
#include <functional>
#include <vector>

class QPlainTextEdit;
class QTextEdit;
class QWidget;

namespace taglund {

// The editor the rich-text panel and tool bar act on. A rich document
// (QTextEdit) is changed in its selection, or in the caret's format when
// nothing is selected; a plain document (QPlainTextEdit) has one font and one
// text colour for the whole editor, so font and colour go there instead.
class TRichTarget {
public:
    TRichTarget() = default;
    ~TRichTarget();
    TRichTarget(const TRichTarget &) = delete;
    TRichTarget &operator=(const TRichTarget &) = delete;

    // `onCaret` runs whenever the caret or its format changes in a rich editor.
    void attach(QTextEdit *editor, const std::function<void()> &onCaret = {});
    void attach(QPlainTextEdit *editor);
    void detach();

    bool isAttached() const;
    bool isRich() const { return !m_rich.isNull(); }
    QWidget *editor() const;

    TCaretFormat caret() const;

    void setFamily(const QString &family, double size);  // size 0 keeps the sizes
    void setSize(double points);
    void setColor(const QColor &color);
    void setFont(const QFont &font);
    void setBold(bool on);
    void setItalic(bool on);
    void setUnderline(bool on);
    // Rich documents only; nothing happens in a plain one.
    void setAlignment(Qt::Alignment alignment);
    void setMargin();
    void setBullet(bool on);

private:
    void merge(const QTextCharFormat &modifier);
    template <typename F>
    void changePlainFont(F &&change);
    template <typename F>
    void changeBlocks(F &&change);

    QPointer<QTextEdit> m_rich;
    QPointer<QPlainTextEdit> m_plain;
    std::vector<QMetaObject::Connection> m_connections;
};

} // namespace taglund
