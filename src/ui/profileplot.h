#pragma once

#include <QWidget>
#include <optional>

#include "analysis/profile.h"

class QPainter;

namespace vorlan {

/**
 * Draws hot, cold and wall temperature [degC] against the position [m] into the area: axes with
 * ticks and units, and a legend. Without a profile it writes the reason in the area instead.
 */
void paintProfile(QPainter& painter, const QRectF& area, const Profile* profile, const QString& missing);

/** A window-sized plot of the last temperature profile. */
class ProfilePlot : public QWidget {
    Q_OBJECT

public:
    explicit ProfilePlot(QWidget* parent = nullptr);

    /** Shows the profile, or the reason there is none. */
    void setProfile(const std::optional<Profile>& profile, const QString& missing);
    const std::optional<Profile>& profile() const { return m_profile; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<Profile> m_profile;
    QString m_missing;
};

} // namespace vorlan
