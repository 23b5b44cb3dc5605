#pragma once

#include <QHash>
#include <QString>

namespace veltra {

// The texts of the language in use, by language-file key: messages and headings, and the
// captions of windows and menus, which a window takes over when it is created.
class Texts {
  public:
    // The loaded text of the key, or the program's English text when no language file gave one.
    QString get(const QString& key) const;
    void set(const QString& key, const QString& text) { loaded_.insert(key, text); }
    bool has(const QString& key) const { return loaded_.contains(key); }
    void clear() { loaded_.clear(); }

  private:
    QHash<QString, QString> loaded_;
};

} // namespace veltra
