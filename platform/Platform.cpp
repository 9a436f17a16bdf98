// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Platform.h"

#include <QWidget>

namespace {
Platform *current = nullptr;
}

Platform &ThePlatform()
{
    Q_ASSERT(current);
    return *current;
}

void SetPlatform(Platform *platform)
{
    current = platform;
}

void RunGuarded(QWidget *parent, const std::function<void()> &handler)
{
    QString text;
    try {
        handler();
        return;
    } catch (const ReportCancelled &) {
        return; // the user's own choice: nothing to say
    } catch (const QuovellaError &error) {
        text = error.Message();
    } catch (const std::exception &error) {
        text = QString::fromLocal8Bit(error.what());
    }
    ThePlatform().ShowMessage(parent, text, MessageKind::Information, MessageButtons::Ok);
}

namespace {

class NoProgress final : public Platform::Progress {
public:
    bool Tick(int) override { return true; }
};

} // namespace

std::unique_ptr<Platform::Progress> Platform::StartProgress(QWidget *, const QString &)
{
    return std::make_unique<NoProgress>();
}
