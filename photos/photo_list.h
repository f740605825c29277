// The selected photos' paths: private copies, kept in the order the save run takes them.
#pragma once

class CPhotoList {
public:
    CPhotoList();
    virtual ~CPhotoList();
    CPhotoList(const CPhotoList&) = delete;
    CPhotoList& operator=(const CPhotoList&) = delete;

    int Count() const { return m_count; }
    // The entry's text, still owned by the list; null outside 0 .. Count() - 1.
    const char* GetAt(int index) const;
    // Appends a private copy of the text.
    void Add(const char* text);
    // Stable ascending order by unsigned byte comparison: IMG_10.JPG before IMG_9.JPG,
    // B.jpg before a.jpg, the empty text first.
    void Sort();
    // Releases every entry; the grown capacity stays.
    void Clear();

    int Capacity() const { return m_capacity; }

private:
    static constexpr int kFirstCapacity = 1500;
    static constexpr int kGrowth = 500;

    int m_capacity;
    int m_count;
    char** m_items;
};
