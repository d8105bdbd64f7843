#include "ogg_file.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>

namespace {

bool WritePage(std::FILE* file, const ogg_page& page) {
    return std::fwrite(page.header, 1, static_cast<std::size_t>(page.header_len), file) ==
               static_cast<std::size_t>(page.header_len) &&
           std::fwrite(page.body, 1, static_cast<std::size_t>(page.body_len), file) ==
               static_cast<std::size_t>(page.body_len);
}

}  // namespace

bool WriteOggVorbis(const std::string& path, const StereoLoop& music, float quality) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool ok = true;

    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 2, SampleRate, quality) != 0) {
        vorbis_info_clear(&info);
        std::fclose(file);
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "TITLE", "Quillbrook Rizizer theme");
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 0x51425249);  // fixed serial number
    ogg_page page;
    ogg_packet packet;

    {
        ogg_packet id, comments, codebooks;
        vorbis_analysis_headerout(&dsp, &comment, &id, &comments, &codebooks);
        ogg_stream_packetin(&stream, &id);
        ogg_stream_packetin(&stream, &comments);
        ogg_stream_packetin(&stream, &codebooks);
        // The headers end on a page of their own, as decoders expect.
        while (ogg_stream_flush(&stream, &page) != 0) ok = ok && WritePage(file, page);
    }

    const std::size_t total = music.left.size();
    const std::size_t chunk = 4096;
    std::size_t done = 0;
    bool finished = false;
    while (!finished) {
        const std::size_t count = std::min(chunk, total - done);
        if (count == 0) {
            vorbis_analysis_wrote(&dsp, 0);  // end of stream
        } else {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
            std::copy_n(music.left.begin() + static_cast<std::ptrdiff_t>(done), count, buffer[0]);
            std::copy_n(music.right.begin() + static_cast<std::ptrdiff_t>(done), count, buffer[1]);
            vorbis_analysis_wrote(&dsp, static_cast<int>(count));
            done += count;
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet) != 0) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    ok = ok && WritePage(file, page);
                    if (ogg_page_eos(&page)) finished = true;
                }
            }
        }
        if (count == 0) finished = true;
    }

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    ok = std::fclose(file) == 0 && ok;
    return ok;
}
