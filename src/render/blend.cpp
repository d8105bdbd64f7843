#include "render/blend.h"

#include "platform/video.h"

int CurrentBlend = -1;

void SetBlend(int mode) {
    // Callers bracket single quads with SetBlend(3) ... SetBlend(0) many times a frame,
    // so an unchanged mode never reaches the renderer.
    if (mode == CurrentBlend) return;
    CurrentBlend = mode;
    switch (mode) {
        case 1: SetBlendFactors(BlendFactor::Zero, BlendFactor::SourceColour); break;
        case 2: SetBlendFactors(BlendFactor::One, BlendFactor::DestColour); break;
        case 3: SetBlendFactors(BlendFactor::SourceAlpha, BlendFactor::DestAlpha); break;
        default: SetBlendFactors(BlendFactor::SourceAlpha, BlendFactor::OneMinusSourceAlpha); break;
    }
}
