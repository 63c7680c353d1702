#pragma once

#include "core/app_paths.h"
#include "core/session_state.h"
#include "settings/settings.h"

#include <QByteArray>
#include <QString>

// The points total and its stored form: section 运行情况, key 运行 of the setting.ini in the
// working directory, holding the decimal text of the total encrypted under the key prefix.
//
// A cipher value that an INI line cannot carry as it is gets an escaped form instead (see
// storedForm); values in the plain cipher-byte form, as every earlier version wrote them, still
// load.
class PointsLedger {
public:
    explicit PointsLedger(AppPaths paths, QByteArray keyText = QByteArray(SessionState::kKeyPrefix));

    // The stored total; 0 when the file or the key is absent. A value altered by hand loads as
    // whatever its decrypted leading digits give, like C's atoi.
    qint32 loadPointsTotal() const;
    // False when the file could not be written; the stored total is then the old one.
    bool storePointsTotal(qint32 total) const;

    // "当前积分： " followed by the total: the text of the points label.
    static QString pointsLabelText(qint32 total);
    // total + reward, held at the 32-bit maximum instead of wrapping round.
    static qint32 addReward(qint32 total, int reward);

    // The INI value for a total, and the total an INI value (as read back) stands for.
    static QByteArray storedForm(qint32 total, const QByteArray &keyText);
    static qint32 totalFromStoredForm(const QByteArray &value, const QByteArray &keyText);

private:
    Settings settings_;
    QByteArray keyText_;
};
