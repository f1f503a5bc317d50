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
inline MechRecord Rec(const QString& changes) {
    MechRecord r = MechRecord::Defaults();
    r.MovementType = "Stationary";
    r.EngineHits = "None";
    r.HeatSinks = "10";
    const std::map<QString, std::string MechRecord::*> texts{
        {"move", &MechRecord::MovementType},        {"hexes", &MechRecord::HexesJumped},
        {"attempts", &MechRecord::AttemptsToStand}, {"weapons", &MechRecord::WeaponHeat},
        {"sinks", &MechRecord::HeatSinks},          {"hits", &MechRecord::EngineHits},
        {"firehexes", &MechRecord::FireHexes}};
    for (const QString& pair : changes.split(' ', Qt::SkipEmptyParts)) {
        const QString key = pair.section('=', 0, 0), value = pair.section('=', 1).replace('_', ' ');
        if (texts.count(key))
            r.*texts.at(key) = value.toStdString();
        else if (key == "carried" || key == "other")
            (key == "carried" ? r.Heat : r.OtherHeat) = std::int16_t(value.toInt());
        else if (key == "standing" || key == "neither")
            r.StandingInFire = key == "standing", r.WalkingThroughFire = false;
        else
            (key == "dhs" ? r.DoubleHeatSinks : r.Fire) = true;
    }
    return r;
}

} // namespace caldrix::test
