"""The closing table of figures, in plain text."""

HEADINGS = ("Figure", "Sonvella", "Compared with", "Ratio", "Goal", "Met",
            "Runs")


def _cells(figure):
    ratio = "" if figure.ratio is None else f"{figure.ratio:.2f}x"
    met = {None: "", True: "yes", False: "NO"}[figure.met]
    return (figure.name, figure.sonvella, figure.baseline, ratio, figure.goal,
            met, figure.runs)


def render(figures):
    rows = [HEADINGS] + [_cells(f) for f in figures]
    widths = [max(len(row[i]) for row in rows) for i in range(len(HEADINGS))]
    lines = []
    for number, row in enumerate(rows):
        lines.append("  ".join(cell.ljust(width)
                               for cell, width in zip(row, widths)).rstrip())
        if number == 0:
            lines.append("  ".join("-" * width for width in widths))
    return "\n".join(lines)
