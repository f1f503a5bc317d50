// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/MechRecordStore.h"

#include <QString>
#include <QStringList>

#include <map>

namespace caldrix::test {

// A valid record (stationary, no hits, 10 heat sinks) changed by "key=value"
// pairs; '_' stands for a blank. Flags: dhs, fire, standing, neither (option).
inline MechRecord rec(const QString& changes) {
    MechRecord r = MechRecord::defaults();
    r.movementType = "Stationary";
    r.engineHits = "None";
    r.heatSinks = "10";
    const std::map<QString, std::string MechRecord::*> texts{
        {"move", &MechRecord::movementType},        {"hexes", &MechRecord::hexesJumped},
        {"attempts", &MechRecord::attemptsToStand}, {"weapons", &MechRecord::weaponHeat},
        {"sinks", &MechRecord::heatSinks},          {"hits", &MechRecord::engineHits},
        {"firehexes", &MechRecord::fireHexes}};
    for (const QString& pair : changes.split(' ', Qt::SkipEmptyParts)) {
        const QString key = pair.section('=', 0, 0), value = pair.section('=', 1).replace('_', ' ');
        if (texts.count(key))
            r.*texts.at(key) = value.toStdString();
        else if (key == "carried" || key == "other")
            (key == "carried" ? r.heat : r.otherHeat) = std::int16_t(value.toInt());
        else if (key == "standing" || key == "neither")
            r.standingInFire = key == "standing", r.walkingThroughFire = false;
        else
            (key == "dhs" ? r.doubleHeatSinks : r.fire) = true;
    }
    return r;
}

} // namespace caldrix::test
