// The middle of VALUES once sorted, or the mean of the two middle ones: the figure the web
// benchmarks print for a set of runs, since one slow run on a shared machine would skew a mean.
export function median(values) {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = sorted.length >> 1;
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}
