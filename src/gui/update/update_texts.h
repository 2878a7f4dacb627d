#pragma once
// The texts of the update window.
#include <QString>
#include <cstdint>

namespace norvane {

// "1小时 2分钟 5秒钟", " 1分钟 5秒钟", "59秒钟": two-character fields after the first.
QString SecondsToText(std::uint32_t seconds);
// "大小：3KB  已完成：1KB": each byte count div 1024 + 1.
QString sizeText(std::int64_t totalSize, std::int64_t totalDone);
// "当前速度:5KB/秒  剩余时间: 1分钟 5秒钟"; with no estimate the time reads "未知".
QString speedText(std::uint32_t speed, std::uint32_t remnantTime);
// "正在下载：" and the file name without its folder.
QString downloadingText(const QString& localFile);

}  // namespace norvane
