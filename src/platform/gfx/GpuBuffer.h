#pragma once
// A vertex or index buffer in device memory; released when destroyed.
class GpuBuffer {
public:
    explicit GpuBuffer(unsigned int name, unsigned int bytes) : name_(name), bytes_(bytes) {}
    ~GpuBuffer();
    GpuBuffer(const GpuBuffer&) = delete;
    GpuBuffer& operator=(const GpuBuffer&) = delete;
    unsigned int name() const { return name_; }
    unsigned int bytes() const { return bytes_; }

private:
    unsigned int name_;
    unsigned int bytes_;
};
