// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/GameFile.h"

#include "platform/Controls.h"

#include "turn/HeatScaleTable.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cmath>
#include <limits>
#include <set>

namespace caldrix {

namespace {

const QString kFormat = QStringLiteral("caldrix-game");

// ---- Writing ---------------------------------------------------------------

// A record's fields; with a base, only those that differ from it (an undo
// step holds what differs from the state that followed it).
QJsonObject RecordJson(const MechRecord& r, const MechRecord* base = nullptr) {
    QJsonObject o;
    const auto put = [&](const char* key, auto MechRecord::*field, QJsonValue value) {
        if (!base || base->*field != r.*field)
            o.insert(QLatin1String(key), value);
    };
    put("heatSinks", &MechRecord::HeatSinks, platform::ToQ(r.HeatSinks));
    put("heat", &MechRecord::Heat, r.Heat);
    put("doubleHeatSinks", &MechRecord::DoubleHeatSinks, r.DoubleHeatSinks ? 1 : 0);
    put("movementType", &MechRecord::MovementType, platform::ToQ(r.MovementType));
    put("hexesJumped", &MechRecord::HexesJumped, platform::ToQ(r.HexesJumped));
    put("attemptsToStand", &MechRecord::AttemptsToStand, platform::ToQ(r.AttemptsToStand));
    put("weaponHeat", &MechRecord::WeaponHeat, platform::ToQ(r.WeaponHeat));
    put("fire", &MechRecord::Fire, r.Fire ? 1 : 0);
    put("walkingThroughFire", &MechRecord::WalkingThroughFire, r.WalkingThroughFire);
    put("fireHexes", &MechRecord::FireHexes, platform::ToQ(r.FireHexes));
    put("standingInFire", &MechRecord::StandingInFire, r.StandingInFire);
    put("engineHits", &MechRecord::EngineHits, platform::ToQ(r.EngineHits));
    put("conditionFire", &MechRecord::ConditionMod2Fier, platform::ToQ(r.ConditionMod2Fier));
    put("conditionMovement", &MechRecord::ConditionMP, platform::ToQ(r.ConditionMP));
    put("conditionShutdown", &MechRecord::ConditionShutdown, platform::ToQ(r.ConditionShutdown));
    put("conditionAmmoExplosion", &MechRecord::ConditionAmmoExp, platform::ToQ(r.ConditionAmmoExp));
    put("otherHeat", &MechRecord::OtherHeat, r.OtherHeat);
    return o;
}

QByteArray Compact(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// The keys a turn line leaves out when they are empty.
const char* const kTurnLineTexts[] = {"conditionFire", "conditionMovement", "conditionShutdown",
                                      "conditionAmmoExplosion"};

QJsonObject EntryJson(const LogEntry& entry) {
    if (entry.What == LogEntry::Kind::Note)
        return {{"note", platform::ToQ(entry.Text)}};
    QJsonArray mechs;
    for (const MechTurnLine& m : entry.Mechs) {
        QJsonArray rolls;
        for (const RollRecord& roll : m.Effects.Rolls)
            rolls.append(QJsonObject{
                {"danger", roll.Kind == Danger::Shutdown ? "shutdown" : "ammoExplosion"},
                {"avoidOn", roll.AvoidOn},
                {"die1", roll.Rolled.Die1},
                {"die2", roll.Rolled.Die2},
                {"total", roll.Rolled.DiceTotal},
                {"atTable", roll.Rolled.AtTable}});
        QJsonObject line{{"name", platform::ToQ(m.Name)},
                         {"before", m.Before},
                         {"after", m.After},
                         {"turnHeat", static_cast<double>(m.TurnHeat)},
                         {"conditionFire", platform::ToQ(m.Effects.Mod2Fier)},
                         {"conditionMovement", platform::ToQ(m.Effects.MP)},
                         {"conditionShutdown", platform::ToQ(m.Effects.Shutdown)},
                         {"conditionAmmoExplosion", platform::ToQ(m.Effects.AmmoExp)},
                         {"rolls", rolls}};
        for (const char* key : kTurnLineTexts)
            if (line.value(QLatin1String(key)).toString().isEmpty())
                line.remove(QLatin1String(key));
        if (rolls.isEmpty())
            line.remove(QStringLiteral("rolls"));
        mechs.append(line);
    }
    return {{"turn", entry.Number}, {"undone", entry.Undone}, {"mechs", mechs}};
}

// ---- Reading ---------------------------------------------------------------

// Thrown with the reason as the players read it; caught where reading starts.
struct Refused {
    QString Reason;
};

[[noreturn]] void Refuse(const QString& reason) {
    throw Refused{reason};
}

QJsonValue Need(const QJsonValue& value, const char* what) {
    if (value.isUndefined())
        Refuse(QStringLiteral("it has no %1").arg(QLatin1String(what)));
    return value;
}

std::string Text(const QJsonObject& object, const char* key) {
    const QJsonValue value = Need(object.value(QLatin1String(key)), key);
    if (!value.isString())
        Refuse(QStringLiteral("its %1 is not a text").arg(QLatin1String(key)));
    const QString text = value.toString();
    if (text.size() > kMaxText)
        Refuse(QStringLiteral("it holds an over-long text"));
    return text.toStdString();
}

// A whole number from low to high.
qint64 Number(const QJsonObject& object, const char* key, qint64 low, qint64 high) {
    const QJsonValue value = Need(object.value(QLatin1String(key)), key);
    const double n = value.toDouble(std::nan(""));
    if (!value.isDouble() || n != std::floor(n) || n < double(low) || n > double(high))
        Refuse(QStringLiteral("its %1 is not a whole number from %2 to %3")
                   .arg(QLatin1String(key))
                   .arg(low)
                   .arg(high));
    return static_cast<qint64>(n);
}

// A tick box's 0 or 1.
// A tick box, 0 or 1 in the file.
bool Tick(const QJsonObject& object, const char* key) {
    return Number(object, key, 0, 1) == 1;
}

bool Flag(const QJsonObject& object, const char* key) {
    const QJsonValue value = Need(object.value(QLatin1String(key)), key);
    if (!value.isBool())
        Refuse(QStringLiteral("its %1 is not true or false").arg(QLatin1String(key)));
    return value.toBool();
}

QJsonObject Object(const QJsonValue& value, const char* what) {
    if (!value.isObject())
        Refuse(QStringLiteral("its %1 is not an object").arg(QLatin1String(what)));
    return value.toObject();
}

QJsonArray Array(const QJsonObject& object, const char* key, qsizetype most) {
    const QJsonValue value = Need(object.value(QLatin1String(key)), key);
    if (!value.isArray())
        Refuse(QStringLiteral("its %1 is not a list").arg(QLatin1String(key)));
    if (value.toArray().size() > most)
        Refuse(most == kMaxMechs ? QStringLiteral("it holds more than 256 'Mechs")
                                 : QStringLiteral("its %1 is too long").arg(QLatin1String(key)));
    return value.toArray();
}

// Only the texts the heat scale gives, or none; the result views the scale's own text.
std::string_view Condition(const QJsonObject& object, const char* key,
                           const std::set<std::string_view>& allowed) {
    const std::string text = Text(object, key);
    if (text.empty())
        return {};
    const auto known = allowed.find(text);
    if (known == allowed.end())
        Refuse(QStringLiteral("its %1 is not one Caldrix writes").arg(QLatin1String(key)));
    return *known;
}

std::set<std::string_view> Column(const char* HeatScaleLevel::*field) {
    std::set<std::string_view> texts;
    for (const HeatScaleLevel& level : kHeatScale)
        texts.insert(level.*field);
    return texts;
}

int Heat(const QJsonObject& object, const char* key) {
    const QJsonValue value = Need(object.value(QLatin1String(key)), key);
    if (!value.isDouble() || value.toDouble() != std::floor(value.toDouble()) ||
        value.toDouble() < 0 || value.toDouble() > 30)
        Refuse(QStringLiteral("it holds a heat level outside 0 to 30"));
    return value.toInt();
}

struct Conditions {
    std::string_view Fire, Movement, Shutdown, Ammo;
};

Conditions ConditionsOf(const QJsonObject& o) {
    static const std::set<std::string_view> fire = Column(&HeatScaleLevel::FireModifier),
                                            movement = Column(&HeatScaleLevel::MovementPenalty),
                                            shutdown{conditions::kShutdown},
                                            ammo{conditions::kAmmoExplosion};
    return {Condition(o, "conditionFire", fire), Condition(o, "conditionMovement", movement),
            Condition(o, "conditionShutdown", shutdown),
            Condition(o, "conditionAmmoExplosion", ammo)};
}

MechRecord RecordFrom(const QJsonValue& value) {
    const QJsonObject o = Object(value, "record");
    MechRecord r;
    r.HeatSinks = Text(o, "heatSinks");
    r.Heat = static_cast<std::int16_t>(Heat(o, "heat"));
    r.DoubleHeatSinks = Tick(o, "doubleHeatSinks");
    r.MovementType = Text(o, "movementType");
    r.HexesJumped = Text(o, "hexesJumped");
    r.AttemptsToStand = Text(o, "attemptsToStand");
    r.WeaponHeat = Text(o, "weaponHeat");
    r.Fire = Tick(o, "fire");
    r.WalkingThroughFire = Flag(o, "walkingThroughFire");
    r.FireHexes = Text(o, "fireHexes");
    r.StandingInFire = Flag(o, "standingInFire");
    r.EngineHits = Text(o, "engineHits");
    const Conditions c = ConditionsOf(o);
    r.ConditionMod2Fier = c.Fire;
    r.ConditionMP = c.Movement;
    r.ConditionShutdown = c.Shutdown;
    r.ConditionAmmoExp = c.Ammo;
    r.OtherHeat = static_cast<std::int16_t>(
        Number(o, "otherHeat", 0, std::numeric_limits<std::int16_t>::max()));
    return r;
}

LogEntry EntryFrom(const QJsonValue& value) {
    const QJsonObject o = Object(value, "history");
    LogEntry entry;
    if (o.contains(QLatin1String("note"))) {
        entry.Text = Text(o, "note");
        return entry;
    }
    entry.What = LogEntry::Kind::Turn;
    entry.Number = static_cast<int>(Number(o, "turn", 1, TurnLog::kLastTurn));
    entry.Undone = Flag(o, "undone");
    for (const QJsonValue& mech : Array(o, "mechs", kMaxMechs)) {
        QJsonObject m = Object(mech, "turn");
        for (const char* key : kTurnLineTexts)
            if (!m.contains(QLatin1String(key)))
                m.insert(QLatin1String(key), QString());
        if (!m.contains(QLatin1String("rolls")))
            m.insert(QStringLiteral("rolls"), QJsonArray());
        MechTurnLine line;
        line.Name = Text(m, "name");
        line.Before = Heat(m, "before");
        line.After = Heat(m, "after");
        line.TurnHeat =
            Number(m, "turnHeat", std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        const Conditions c = ConditionsOf(m);
        line.Effects = {c.Fire, c.Movement, c.Shutdown, c.Ammo, {}};
        for (const QJsonValue& rollValue : Array(m, "rolls", 2)) {
            const QJsonObject r = Object(rollValue, "roll");
            const std::string danger = Text(r, "danger");
            if (danger != "shutdown" && danger != "ammoExplosion")
                Refuse(QStringLiteral("its danger is not one Caldrix writes"));
            RollRecord roll;
            roll.Kind = danger == "shutdown" ? Danger::Shutdown : Danger::AmmoExplosion;
            roll.AvoidOn = static_cast<int>(Number(r, "avoidOn", kLowestTotal, kHighestTotal));
            roll.Rolled.AtTable = Flag(r, "atTable");
            const int lowest = roll.Rolled.AtTable ? 0 : 1;
            for (auto [key, die] :
                 {std::pair{"die1", &roll.Rolled.Die1}, {"die2", &roll.Rolled.Die2}})
                *die = static_cast<std::int16_t>(Number(r, key, lowest, 6));
            roll.Rolled.DiceTotal =
                static_cast<std::int16_t>(Number(r, "total", kLowestTotal, kHighestTotal));
            roll.Avoided = roll.Rolled.DiceTotal >= roll.AvoidOn;
            line.Effects.Rolls.push_back(roll);
        }
        entry.Mechs.push_back(std::move(line));
    }
    return entry;
}

GameState StateFrom(const QJsonObject& o) {
    const QJsonValue format = o.value(QLatin1String("format"));
    if (!format.isString() || format.toString() != kFormat)
        Refuse(QStringLiteral("it is not a Caldrix game"));
    const qint64 version = Number(o, "version", 1, std::numeric_limits<int>::max());
    if (version > kGameFileVersion)
        Refuse(QStringLiteral("it comes from a newer version of Caldrix"));

    GameState state;
    state.Records.assign(kSlotCount, MechRecord::Defaults());
    state.Records[0] = RecordFrom(Need(o.value(QLatin1String("scratch")), "scratch"));
    for (const QJsonValue& mech : Array(o, "mechs", kMaxMechs)) {
        const QJsonObject m = Object(mech, "mech");
        state.Names.push_back(Text(m, "name"));
        state.Records[state.Names.size()] = RecordFrom(Need(m.value("record"), "record"));
    }
    const int mechs = static_cast<int>(state.Names.size());
    state.Selected = static_cast<int>(Number(o, "selected", -1, mechs - 1));
    state.DiceAtTable = Flag(o, "diceAtTable");
    for (const QJsonValue& entry : Array(o, "history", 10'000'000))
        state.Log.push_back(EntryFrom(entry));
    // Undo steps hold what differs from the state that followed them: read
    // from the newest back, each on the records after it.
    const QJsonArray steps = Array(o, "undo", 10'000'000);
    std::vector<QJsonArray> befores(static_cast<std::size_t>(steps.size()));
    for (qsizetype k = 0; k < steps.size(); ++k) {
        const QJsonObject s = Object(steps[k], "undo");
        UndoStep step;
        step.Entry = static_cast<std::size_t>(
            Number(s, "historyEntry", 0, static_cast<qint64>(state.Log.size()) - 1));
        const LogEntry& entry = state.Log[step.Entry];
        if (entry.What != LogEntry::Kind::Turn || entry.Undone ||
            (!state.Undo.empty() && step.Entry <= state.Undo.back().Entry))
            Refuse(QStringLiteral("its undo does not match its history"));
        befores[static_cast<std::size_t>(k)] = Array(s, "before", kMaxMechs);
        if (befores[static_cast<std::size_t>(k)].size() != mechs)
            Refuse(QStringLiteral("its undo does not match its 'Mechs"));
        state.Undo.push_back(std::move(step));
    }
    std::vector<MechRecord> after(state.Records.begin() + 1, state.Records.begin() + 1 + mechs);
    for (std::size_t k = state.Undo.size(); k-- > 0;) {
        for (int i = 0; i < mechs; ++i) {
            QJsonObject merged = RecordJson(after[static_cast<std::size_t>(i)]);
            const QJsonObject delta = Object(befores[k][i], "record");
            for (auto it = delta.begin(); it != delta.end(); ++it)
                merged.insert(it.key(), it.value());
            state.Undo[k].Before.push_back(RecordFrom(merged));
        }
        after = state.Undo[k].Before;
    }
    return state;
}

} // namespace

QByteArray GameWriter::Json(const GameView& game) {
    if (generation_ != game.Generation) {
        history_.clear();
        undo_.clear();
        generation_ = game.Generation;
    }
    QByteArray history("[");
    history_.resize(game.Log.size());
    for (std::size_t i = 0; i < game.Log.size(); ++i) {
        Piece& piece = history_[i];
        if (piece.Json.isEmpty() || piece.Undone != game.Log[i].Undone)
            piece = {Compact(EntryJson(game.Log[i])), game.Log[i].Undone};
        history += (i ? "," : "") + piece.Json;
    }
    QByteArray undo("[");
    const std::size_t none = std::numeric_limits<std::size_t>::max();
    undo_.resize(game.Undo.size());
    for (std::size_t k = 0; k < game.Undo.size(); ++k) {
        const UndoStep& step = game.Undo[k];
        const std::size_t next = k + 1 < game.Undo.size() ? game.Undo.at(k + 1).Entry : none;
        Piece& piece = undo_[k];
        if (piece.Json.isEmpty() || piece.Next != next || next == none) {
            QJsonArray before;
            for (std::size_t i = 0; i < step.Before.size(); ++i)
                before.append(RecordJson(step.Before[i], next == none
                                                             ? &game.Records[i + 1]
                                                             : &game.Undo.at(k + 1).Before[i]));
            piece = {.Json = Compact(
                         {{"historyEntry", static_cast<qint64>(step.Entry)}, {"before", before}}),
                     .Next = next};
        }
        undo += (k ? "," : "") + piece.Json;
    }
    QJsonArray mechs;
    for (std::size_t i = 0; i < game.Names.size(); ++i)
        mechs.append(QJsonObject{{"name", platform::ToQ(game.Names[i])},
                                 {"record", RecordJson(game.Records[i + 1])}});
    QByteArray document = Compact({{"format", kFormat},
                                   {"version", kGameFileVersion},
                                   {"mechs", mechs},
                                   {"selected", game.Selected},
                                   {"diceAtTable", game.DiceAtTable},
                                   {"scratch", RecordJson(game.Records[0])}});
    document.chop(1); // the closing brace: the history and undo follow
    return document + ",\"history\":" + history + "],\"undo\":" + undo + "]}";
}

QByteArray GameToJson(const GameState& state) {
    return GameWriter().Json(ViewOf(state));
}

GameFileResult GameFromJson(const QByteArray& bytes) {
    GameFileResult result;
    if (bytes.size() > kMaxGameFileBytes) {
        result.Problem = QStringLiteral("it is larger than 16 MB");
        return result;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        result.Problem = QStringLiteral("it is not JSON");
        return result;
    }
    try {
        result.State = StateFrom(document.object());
    } catch (const Refused& refused) {
        result.Problem = refused.Reason;
    }
    return result;
}

GameFileResult ReadGameFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {std::nullopt, QStringLiteral("it cannot be read")};
    const QByteArray bytes = file.read(kMaxGameFileBytes + 1);
    if (file.error() != QFile::NoError)
        return {std::nullopt, QStringLiteral("it cannot be read")};
    return GameFromJson(bytes);
}

QString WriteGameFile(const QString& path, const QByteArray& json) {
    // A file that could not be opened again is not written at all.
    if (json.size() > kMaxGameFileBytes)
        return QStringLiteral("the game has grown larger than a saved game may be (16 MB)");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    file.write(json);
    if (!file.commit())
        return file.errorString();
    return {};
}

QString OpenProblem(const QString& path, const QString& problem) {
    // One pass of arg(): the file name is shown as it is.
    return QStringLiteral("%1 could not be opened: %2").arg(QFileInfo(path).fileName(), problem);
}

} // namespace caldrix
