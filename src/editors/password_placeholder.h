// An existing record's password field shows the key's placeholder, and the sheet keeps the
// stored password apart. On OK a field that still holds exactly the placeholder stands for
// the stored password.
#pragma once

#include "password_keys.h"

#include <string>

class PasswordPlaceholder {
public:
    explicit PasswordPlaceholder(const PasswordKey& key) : m_placeholder(key.placeholder()) {}

    // An existing record: keeps its password and returns what the field shows.
    const std::string& hold(const std::string& stored) {
        m_stored = stored;
        return m_placeholder;
    }
    // The password to write for what the field holds.
    const std::string& resolve(const std::string& field) const {
        return field == m_placeholder ? m_stored : field;
    }

private:
    std::string m_placeholder;
    std::string m_stored; // empty for a new record
};
