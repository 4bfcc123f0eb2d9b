#pragma once
// Puts a recording stand-in in place of one of glad's entry points and keeps the real
// one, which the stand-in forwards to. restore() puts the real one back; it does nothing
// when nothing was installed (a test whose set-up stopped early).
namespace ondalith::test {

template <class Entry>
struct GLHook {
    Entry real = nullptr;
    Entry* slot = nullptr;

    void install(Entry& entry, Entry standIn) {
        slot = &entry;
        real = entry;
        entry = standIn;
    }
    void restore() {
        if (slot) *slot = real;
        slot = nullptr;
    }
};

}  // namespace ondalith::test
