#include "ui/Text.h"

namespace ui {

QString StripMnemonic(const QString& caption) {
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&') {
                plain.append(u'&');
                ++i;
            }
            continue;
        }
        plain.append(caption[i]);
    }
    return plain;
}

}  // namespace ui
