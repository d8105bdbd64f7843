// Particle bursts and the explosion flash.
#include "quiz_test_support.h"

namespace {

using Effects = QuizTest;

TEST_F(Effects, BurstsAddInOrderAroundTheirPoint) {
    SpawnParticles(SparkleQuad, 0, 3, 100, 100, 8, 4.0f, 1);
    EXPECT_EQ(ParticleCount, 0);

    SpawnParticles(SparkleQuad, 50, 3, 300, 200, 8, 4.0f, 1);
    SpawnParticles(RockQuad, 30, 0, 40, 60, 0, 0.0f, 0);
    ASSERT_EQ(ParticleCount, 80);
    for (int i = 1; i <= 80; ++i) {
        const Particle& p = Particles[i];
        SCOPED_TRACE(i);
        if (i <= 50) {
            EXPECT_EQ(p.Quad, SparkleQuad);
            EXPECT_GE(p.X, 292);
            EXPECT_LE(p.X, 308);
            EXPECT_EQ(p.X, std::floor(p.X)) << "whole-pixel steps";
            EXPECT_GE(p.VY, -4);
            EXPECT_LE(p.VY, -1) << "thrown upwards";
        } else {
            EXPECT_EQ(p.X, 40) << "spread 0: exactly at the point";
            EXPECT_EQ(p.Y, 60);
            EXPECT_GE(p.VY, -3);
            EXPECT_LE(p.VY, 3);
        }
        EXPECT_GE(p.Spin, -30);
        EXPECT_LE(p.Spin, 30);
        EXPECT_GE(p.VX, -3);
        EXPECT_LE(p.VX, 3);
        EXPECT_EQ(p.Alpha, 255);
    }
}

// Fading is per frame: a particle fading 4 a frame goes on its 64th frame, at any frame length.
TEST_F(Effects, FadedParticleGoesOnItsSixtyFourthFrame) {
    for (float factor : {1.0f, 3.0f, 0.4f}) {
        SCOPED_TRACE(factor);
        ResetParticles();
        FrameFactor = factor;
        SpawnParticles(SparkleQuad, 1, 3, 500, 100, 0, 4.0f, 0);
        for (int frame = 1; frame <= 63; ++frame) UpdateParticles();
        ASSERT_EQ(ParticleCount, 1);
        EXPECT_EQ(Particles[1].Alpha, 3);
        FakeDraws().clear();
        UpdateParticles();
        EXPECT_EQ(ParticleCount, 0);
        ASSERT_EQ(DrawsOf(SparkleQuad).size(), 1u);
        EXPECT_EQ(DrawsOf(SparkleQuad)[0].alpha, 0) << "drawn once more, invisibly";
    }
}

TEST_F(Effects, RemovalKeepsTheOthersInOrder) {
    SpawnParticles(SparkleQuad, 2, 3, 500, 100, 8, 4.0f, 0);
    SpawnParticles(RockQuad, 1, 0, 500, 0, 0, 0.0f, 1);
    SpawnParticles(GemQuad[1], 1, 0, 500, 100, 0, 0.5f, 0);
    for (int frame = 1; frame <= 64; ++frame) UpdateParticles();
    ASSERT_EQ(ParticleCount, 2);
    EXPECT_EQ(Particles[1].Quad, RockQuad);
    EXPECT_EQ(Particles[1].Gravity, 1);
    EXPECT_EQ(Particles[2].Quad, GemQuad[1]);
    EXPECT_EQ(Particles[2].Gravity, 0);
}

TEST_F(Effects, FallingParticleRisesThenFallsOffTheBottom) {
    SpawnParticles(WoodShardQuad, 1, 0, 500, 700, 0, 0.0f, 1);
    Particles[1].VX = 0;
    Particles[1].VY = -4;
    float highest = 1e9f;
    int highestFrame = 0, frames = 0;
    while (ParticleCount == 1 && frames < 1000) {
        UpdateParticles();
        ++frames;
        if (ParticleCount == 1 && Particles[1].Y < highest) {
            highest = Particles[1].Y;
            highestFrame = frames;
        }
    }
    EXPECT_NEAR(highestFrame, 40, 1);
    EXPECT_NEAR(highest, 700 - 82, 0.01);   // 4 + 3.9 + ... + 0.1
    EXPECT_EQ(ParticleCount, 0) << "gone once below the bottom edge, never faded";
    EXPECT_LT(frames, 1000);
}

TEST_F(Effects, DrawnTurnedInTheirOwnBlend) {
    SpawnParticles(SparkleQuad, 1, 3, 100.4f, 200.6f, 0, 4.0f, 0);
    Particles[1].VX = Particles[1].VY = 0;
    Particles[1].Angle = 10;
    Particles[1].Spin = 20;
    FakeDraws().clear();
    UpdateParticles();
    const std::vector<RecordedDraw> draws = DrawsOf(SparkleQuad);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].x, 100);
    EXPECT_EQ(draws[0].y, 201);
    EXPECT_EQ(draws[0].alpha, 251);
    EXPECT_EQ(draws[0].angle, 30);
    EXPECT_EQ(draws[0].dest, BlendFactor::DestAlpha);
    EXPECT_FLOAT_EQ(Particles[1].Spin, 20 * 0.97f);
    EXPECT_EQ(FakeDraws().back().kind, RecordedDraw::Blend) << "ordinary blending afterwards";
    EXPECT_EQ(FakeDraws().back().dest, BlendFactor::OneMinusSourceAlpha);
}

TEST_F(Effects, FlashGrowsTurnsAndFades) {
    StartFlash(512, 320);
    FakeDraws().clear();
    DrawFlash();
    const std::vector<RecordedDraw> boom = DrawsOf(BoomQuad), glow = DrawsOf(BoomGlowQuad);
    ASSERT_EQ(boom.size(), 1u);
    ASSERT_EQ(glow.size(), 1u);
    EXPECT_EQ(boom[0].width, 74);
    EXPECT_EQ(boom[0].x, 475);
    EXPECT_EQ(boom[0].y, 283);
    EXPECT_EQ(boom[0].alpha, 251);
    EXPECT_EQ(boom[0].angle, 4);
    EXPECT_EQ(glow[0].width, 76);
    EXPECT_EQ(glow[0].x, 474);
    EXPECT_EQ(glow[0].alpha, 251);
    EXPECT_EQ(glow[0].dest, BlendFactor::DestAlpha);

    int frames = 1;
    while (FlashActive == 1 && frames < 100) {
        DrawFlash();
        ++frames;
    }
    EXPECT_EQ(frames, 64);
    EXPECT_EQ(FlashAlpha, 0);
    StartFlash(100, 100);
    EXPECT_FLOAT_EQ(FlashAngle, std::fmod(64 * 4.0f, 360.0f)) << "the angle carries over to the next flash";
    EXPECT_EQ(FlashSize, 72);
}

TEST_F(Effects, EnteringAScreenClearsParticlesAndStopsTheFlash) {
    SpawnParticles(SparkleQuad, 5, 3, 100, 100, 8, 4.0f, 0);
    StartFlash(100, 100);
    EnterScreen(0);
    EXPECT_EQ(ParticleCount, 0);
    EXPECT_EQ(FlashActive, 0);
}

}  // namespace
