#pragma once

#include <QString>

#include <string_view>

namespace numorra::ui {

inline QString toQString(std::string_view value)
{
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

} // namespace numorra::ui
