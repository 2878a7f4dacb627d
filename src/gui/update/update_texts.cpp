#include "gui/update/update_texts.h"

#include "core/update/progress.h"

namespace norvane {

namespace {

QString twoWide(std::uint32_t value) { return QStringLiteral("%1").arg(value, 2); }

}  // namespace

QString SecondsToText(std::uint32_t s) {
  if (s >= 3600) {
    return QString::number(s / 3600) + QStringLiteral("小时") + twoWide((s % 3600) / 60) +
           QStringLiteral("分钟") + twoWide(s % 60) + QStringLiteral("秒钟");
  }
  if (s >= 60) {
    return twoWide(s / 60) + QStringLiteral("分钟") + twoWide(s % 60) + QStringLiteral("秒钟");
  }
  return QString::number(s) + QStringLiteral("秒钟");
}

QString sizeText(std::int64_t totalSize, std::int64_t totalDone) {
  return QStringLiteral("大小：%1KB  已完成：%2KB")
      .arg(totalSize / 1024 + 1)
      .arg(totalDone / 1024 + 1);
}

QString speedText(std::uint32_t speed, std::uint32_t remnantTime) {
  const QString time =
      remnantTime == kNoEstimate ? QStringLiteral("未知") : SecondsToText(remnantTime);
  return QStringLiteral("当前速度:%1KB/秒  剩余时间:%2").arg(speed).arg(time);
}

QString downloadingText(const QString& localFile) {
  return QStringLiteral("正在下载：") + localFile.mid(localFile.lastIndexOf(QLatin1Char('/')) + 1);
}

}  // namespace norvane
