// A plain slot array with linear growth and a stable insertion sort.
#include "photos/photo_list.h"

#include <cstring>

namespace {

char* CopyText(const char* text) {
    const std::size_t size = std::strlen(text) + 1;
    char* copy = new char[size];
    std::memcpy(copy, text, size);
    return copy;
}

}  // namespace

CPhotoList::CPhotoList() : m_capacity(kFirstCapacity), m_count(0), m_items(nullptr) {
    m_items = new char*[kFirstCapacity]();
}

CPhotoList::~CPhotoList() {
    Clear();
    delete[] m_items;
}

const char* CPhotoList::GetAt(int index) const {
    if (index < 0 || index >= m_count) return nullptr;
    return m_items[index];
}

void CPhotoList::Add(const char* text) {
    // The copy is made first, so a failed allocation leaves the list as it was.
    char* copy = CopyText(text);
    if (m_count >= m_capacity) {
        const int capacity = m_capacity + kGrowth;
        char** items;
        try {
            items = new char*[capacity]();
        } catch (...) {
            delete[] copy;
            throw;
        }
        std::memcpy(items, m_items, sizeof(char*) * static_cast<std::size_t>(m_count));
        delete[] m_items;
        m_items = items;
        m_capacity = capacity;
    }
    m_items[m_count++] = copy;
}

void CPhotoList::Sort() {
    for (int k = 1; k < m_count; ++k) {
        char* key = m_items[k];
        int j = k - 1;
        // strcmp compares as unsigned char; only a strictly greater entry moves up.
        while (j >= 0 && std::strcmp(m_items[j], key) > 0) {
            m_items[j + 1] = m_items[j];
            --j;
        }
        m_items[j + 1] = key;
    }
}

void CPhotoList::Clear() {
    for (int i = 0; i < m_count; ++i) {
        delete[] m_items[i];
        m_items[i] = nullptr;
    }
    m_count = 0;
}
