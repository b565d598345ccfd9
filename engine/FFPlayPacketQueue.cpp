#include "engine/FFPlayPacketQueue.h"

#include "engine/FFmpegEntries.h"

#include <new>

TPacketQueue::~TPacketQueue()
{
    FreeNodes();
}

void TPacketQueue::FreeNodes()
{
    while (first_) {
        Node* node = first_;
        first_ = node->next;
        if (node->pkt)
            ff::av_packet_free(&node->pkt);
        delete node;
    }
    last_ = nullptr;
    nbPackets_ = 0;
    size_ = 0;
}

void TPacketQueue::Init()
{
    std::lock_guard<std::mutex> lock(mutex_);
    FreeNodes();
    abortRequest_ = false;
}

void TPacketQueue::Flush()
{
    std::lock_guard<std::mutex> lock(mutex_);
    FreeNodes();
}

int TPacketQueue::Append(Node* node, int bytes)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (last_)
        last_->next = node;
    else
        first_ = node;
    last_ = node;
    ++nbPackets_;
    size_ += bytes + static_cast<int>(sizeof(Node));
    cond_.notify_one();
    return 0;
}

int TPacketQueue::Put(AVPacket* pkt)
{
    Node* node = new (std::nothrow) Node;
    if (!node)
        return -1;
    node->pkt = ff::av_packet_alloc();
    if (!node->pkt) {
        delete node;
        return -1;
    }
    ff::av_packet_move_ref(node->pkt, pkt);
    return Append(node, node->pkt->size);
}

int TPacketQueue::PutFlush()
{
    Node* node = new (std::nothrow) Node;
    return node ? Append(node, 0) : -1;
}

void TPacketQueue::Abort()
{
    std::lock_guard<std::mutex> lock(mutex_);
    abortRequest_ = true;
    cond_.notify_all();
}

bool TPacketQueue::Aborted() const
{
    return abortRequest_.load();
}

int TPacketQueue::Get(AVPacket* pkt, bool* flush, bool block)
{
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        if (abortRequest_)
            return -1;
        if (Node* node = first_) {
            first_ = node->next;
            if (!first_)
                last_ = nullptr;
            --nbPackets_;
            size_ -= (node->pkt ? node->pkt->size : 0) + static_cast<int>(sizeof(Node));
            *flush = node->pkt == nullptr;
            if (node->pkt) {
                ff::av_packet_move_ref(pkt, node->pkt);
                ff::av_packet_free(&node->pkt);
            }
            delete node;
            return 1;
        }
        if (!block)
            return 0;
        cond_.wait(lock);
    }
}

int TPacketQueue::NbPackets() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return nbPackets_;
}

int TPacketQueue::Size() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return size_;
}
