#pragma once

#include <QGroupBox>

namespace vorlan {

/**
 * A group frame drawn over exactly its own rectangle: the caption starts at the rectangle's top,
 * and the top line runs through the middle of the caption, at half the font's height, for frames
 * with and without a caption alike, so frames that share a top share their top line.
 */
class CaptionFrame : public QGroupBox {
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

    /** The distance of the top line from the rectangle's top [pixels]. */
    int topLineOffset() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vorlan
