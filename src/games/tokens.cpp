// The token list shared by games 2 and 4.
#include "games/tokens.h"

#include "app/catalogue.h"
#include "app/random.h"
#include "app/screen.h"

std::vector<Token> Tokens(3);
int TokenCount = 0;

namespace {

int GemPicture(int kind) { return kind >= 0 && kind <= 4 ? GemQuad[kind] : 0; }

// A new token always heads towards the centre of the surface on both axes; a token
// exactly on a centre line keeps its positive speed.
void HeadForCentre(Token& t) {
    if (t.X > CenterX) t.VX = -t.VX;
    if (t.Y > CenterY) t.VY = -t.VY;
}

}  // namespace

void ResetTokens() {
    Tokens.assign(3, Token{});
    TokenCount = 0;
}

Token& AppendToken() {
    ++TokenCount;
    // The list never shrinks during a scene; it grows with a spare element.
    if (TokenCount >= static_cast<int>(Tokens.size())) Tokens.resize(TokenCount + 2);
    return Tokens[TokenCount];
}

void AddToken(int kind, float size, float x, float y) {
    Token& t = AppendToken();
    if (kind != 0) {
        t.Sprite = GemPicture(kind);
        size = 64;
    } else {
        t.Sprite = RockQuad;
    }
    t.Kind = kind;
    t.Size = size;
    t.Angle = static_cast<float>(Random(360));
    t.Spin = static_cast<float>(Random(10) - 5);
    t.X = x;
    t.Y = y;
    t.VX = (Random(100) + 1) * 0.025f;
    t.VY = (Random(100) + 1) * 0.025f;
    HeadForCentre(t);
}

void AddSpacedToken(int kind, float x, float y) {
    // Ten passes, always: each pushes the candidate 25 pixels away from every token
    // within 100 pixels on both axes. It may still end up close to one.
    for (int pass = 0; pass < 10; ++pass) {
        for (int i = 1; i <= TokenCount; ++i) {
            const Token& other = Tokens[i];
            if (other.X - 100 < x && x < other.X + 100 && other.Y - 100 < y && y < other.Y + 100) {
                x += other.X > x ? -25 : 25;
                y += other.Y > y ? -25 : 25;
            }
        }
    }
    Token& t = AppendToken();
    t.Kind = kind;
    t.Sprite = GemPicture(kind);   // kind 0 is the bomb
    t.Angle = static_cast<float>(Random(360));
    t.Spin = static_cast<float>(Random(10) - 5);
    t.X = x;
    t.Y = y;
    t.VX = (Random(100) + 3) * 0.025f;
    t.VY = (Random(100) + 3) * 0.025f;
    HeadForCentre(t);
}
